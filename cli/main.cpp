#include "cli/cli.h"
#include "cli/standard_streams.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavenor-cli"));
    std::ios::sync_with_stdio(false);
    tavenor::PrepareStandardStreams();
    return tavenor::RunCli(QCoreApplication::arguments(), {std::cin, std::cout, std::cerr});
}
