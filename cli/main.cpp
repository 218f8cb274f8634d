#include "cli/cli.h"
#include "cli/standard_streams.h"

#include <QCoreApplication>

#include <csignal>
#include <iostream>

int main(int argc, char* argv[])
{
#ifdef SIGPIPE
    // A reader that has seen enough (head -1) ends the command quietly, as it ends cat or grep:
    // by the default action of SIGPIPE, whatever the parent left it set to. Ignored, it would
    // turn into a write error and a message.
    std::signal(SIGPIPE, SIG_DFL);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavenor-cli"));
    std::ios::sync_with_stdio(false);
    tavenor::PrepareStandardStreams();
    return tavenor::RunCli(QCoreApplication::arguments(), {std::cin, std::cout, std::cerr});
}
