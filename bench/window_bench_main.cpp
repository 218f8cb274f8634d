#include "app/application_setup.h"

#include <QApplication>

#include <benchmark/benchmark.h>

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
    return 0;
}
