#include "window_bench_main.h"

#include "app/application_setup.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace tavenor {
namespace {

std::vector<std::function<void()>>& releases()
{
    static std::vector<std::function<void()>> pending;
    return pending;
}

} // namespace

void ReleaseWhenDone(std::function<void()> release) { releases().push_back(std::move(release)); }

} // namespace tavenor

// The main of the window benchmarks: offscreen whatever the environment says, so that the
// figures do not depend on a display.
int main(int argc, char* argv[])
{
    int qtArgc = 3;
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* qtArgv[] = {argv[0], platform, offscreen, nullptr};
    QApplication application(qtArgc, qtArgv);
    tavenor::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& release : tavenor::releases())
        release();
    return 0;
}
