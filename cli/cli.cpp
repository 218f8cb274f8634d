#include "cli/cli.h"

#include "cli/convert_command.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <ostream>

namespace tavenor {
namespace {

int usageError(const QCommandLineParser& parser, const QString& message, std::ostream& err)
{
    err << "tavenor-cli: " << message.toStdString() << "\n\n" << parser.helpText().toStdString();
    return 2;
}

} // namespace

int RunCli(const QStringList& arguments, CliStreams streams)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts pinyin lists to pseudo-romaji and phoneme notation, the way Tavenor's window does.\n"
        "Each input line (UTF-8) is converted on its own, as if typed into a fresh window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON object per input line."));
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("convert"));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Input file; standard input when absent or \"-\"."),
                                 QStringLiteral("[FILE]"));

    if (!parser.parse(arguments))
        return usageError(parser, parser.errorText(), streams.err);
    if (parser.isSet(help)) {
        streams.out << parser.helpText().toStdString();
        return 0;
    }
    if (parser.isSet(version)) {
        streams.out << "tavenor-cli " << QCoreApplication::applicationVersion().toStdString() << '\n';
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(parser, QStringLiteral("missing command"), streams.err);
    if (positional.size() > 2)
        return usageError(parser, QStringLiteral("too many arguments"), streams.err);
    const QString file = positional.value(1);
    if (positional.first() == QLatin1String("convert"))
        return RunConvertCommand(file, parser.isSet(json), streams);
    return usageError(parser, QStringLiteral("unknown command \"%1\"").arg(positional.first()),
                      streams.err);
}

} // namespace tavenor
