#include "cli/cli.h"
#include "cli/standard_streams.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavenor-cli"));
    // Before the streams are prepared: unsynchronized, the C++ streams get buffers of their own.
    std::ios::sync_with_stdio(false);
    tavenor::PrepareStandardStreams();
    return tavenor::RunCli(QCoreApplication::arguments(), {std::cin, std::cout, std::cerr});
}
