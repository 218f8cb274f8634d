#pragma once

#include <stdexcept>

namespace tavenor {

// What stops the plugin before it writes anything: one line that names the file and the fault.
class PluginError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tavenor
