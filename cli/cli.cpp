#include "cli/cli.h"

#include "cli/convert_command.h"
#include "cli/lyrics_command.h"
#include "tavenor_version.h"

#include <QCommandLineParser>

#include <optional>
#include <ostream>

namespace tavenor {
namespace {

int usageError(const QCommandLineParser& parser, const QString& message, std::ostream& err)
{
    err << "tavenor-cli: " << message.toStdString() << "\n\n" << parser.helpText().toStdString();
    return 2;
}

std::optional<LuAnswers> parseLuAnswers(const QString& value)
{
    if (value == QLatin1String("yes"))
        return LuAnswers::Yes;
    if (value == QLatin1String("no"))
        return LuAnswers::No;
    if (value == QLatin1String("ask"))
        return LuAnswers::Ask;
    return std::nullopt;
}

} // namespace

int RunCli(const QStringList& arguments, CliStreams streams)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts pinyin lists (convert) or Chinese lyrics (lyrics) to pseudo-romaji and phoneme\n"
        "notation, the way Tavenor's window does. Each input line (UTF-8) is converted on its own,\n"
        "as if typed into a fresh window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON object per input line."));
    parser.addOption(json);
    const QCommandLineOption lu(
        QStringLiteral("lu"),
        QStringLiteral(
            "lyrics: how to settle each \"lu\" (lu or lv): yes keeps lu, no makes it lv, "
            "ask asks on the terminal. Default: yes."),
        QStringLiteral("yes|no|ask"), QStringLiteral("yes"));
    parser.addOption(lu);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("convert or lyrics"));
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
        streams.out << "tavenor-cli " << kVersion << '\n';
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(parser, QStringLiteral("missing command"), streams.err);
    if (positional.size() > 2)
        return usageError(parser, QStringLiteral("too many arguments"), streams.err);
    const QString file = positional.value(1);
    const QString command = positional.first();
    if (parser.isSet(lu) && command != QLatin1String("lyrics"))
        return usageError(parser, QStringLiteral("--lu applies to the lyrics command only"),
                          streams.err);
    if (command == QLatin1String("convert"))
        return RunConvertCommand(file, parser.isSet(json), streams);
    if (command == QLatin1String("lyrics")) {
        const std::optional<LuAnswers> answers = parseLuAnswers(parser.value(lu));
        if (!answers)
            return usageError(
                parser,
                QStringLiteral("--lu takes yes, no or ask, not \"%1\"").arg(parser.value(lu)),
                streams.err);
        return RunLyricsCommand(file, *answers, parser.isSet(json), streams);
    }
    return usageError(parser, QStringLiteral("unknown command \"%1\"").arg(positional.first()),
                      streams.err);
}

} // namespace tavenor
