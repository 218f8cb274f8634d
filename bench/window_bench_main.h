#pragma once

#include <functional>

namespace tavenor {

// For a window that a benchmark keeps from one run to the next: main calls release when the
// benchmarks are done, while the application still exists. A static window would be destroyed
// after it, and crash.
void ReleaseWhenDone(std::function<void()> release);

} // namespace tavenor
