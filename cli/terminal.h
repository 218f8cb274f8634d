#pragma once

#include <functional>
#include <iosfwd>
#include <memory>

namespace tavenor {

// Where the command line asks the user something: questions go out, answers come in.
class Terminal {
public:
    virtual ~Terminal() = default;

    virtual std::ostream& questions() = 0;
    virtual std::istream& answers() = 0;
};

// The process's controlling terminal, or nullptr when it has none (a pipeline under cron, CI).
std::unique_ptr<Terminal> OpenControllingTerminal();

using TerminalOpener = std::function<std::unique_ptr<Terminal>()>;

} // namespace tavenor
