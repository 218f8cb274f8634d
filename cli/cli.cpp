#include "cli/cli.h"

#include "cli/convert_command.h"
#include "cli/help_texts.h"
#include "cli/lyrics_command.h"
#include "tavenor_version.h"

#include <QCommandLineParser>

#include <optional>
#include <ostream>

namespace tavenor {
namespace {

std::optional<CliCommand> commandNamed(const QString& name)
{
    if (name == QLatin1String("lyrics"))
        return CliCommand::Lyrics;
    if (name == QLatin1String("convert"))
        return CliCommand::Convert;
    return std::nullopt;
}

std::optional<LuAnswers> parseLuAnswers(const QString& value)
{
    if (value == QLatin1String("auto"))
        return LuAnswers::Auto;
    if (value == QLatin1String("yes"))
        return LuAnswers::Yes;
    if (value == QLatin1String("no"))
        return LuAnswers::No;
    if (value == QLatin1String("ask"))
        return LuAnswers::Ask;
    return std::nullopt;
}

// Two lines, what is wrong and where help is, instead of a whole help page that would bury the
// one line that matters.
int usageError(const QString& message, std::optional<CliCommand> command, std::ostream& err)
{
    const char* helpCommand = !command   ? ""
        : *command == CliCommand::Lyrics ? " lyrics"
                                         : " convert";
    err << "tavenor-cli: " << message.toStdString() << '\n'
        << "Try 'tavenor-cli" << helpCommand << " --help' for more information.\n";
    return 2;
}

// QCommandLineParser's own words, less its capital and full stop, for every problem but an
// unknown option, which is named as it was typed.
QString parseErrorText(const QCommandLineParser& parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.first();
        return QStringLiteral("unknown option '%1%2'")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    }
    QString text = parser.errorText();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

int RunCli(const QStringList& arguments, CliStreams streams)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")}, QString());
    const QCommandLineOption lu(QStringLiteral("lu"), QString(), QStringLiteral("when"),
                                QStringLiteral("auto"));
    parser.addOptions({help, version, json, quiet, lu});

    const bool parsed = parser.parse(arguments);
    const QStringList positional = parser.positionalArguments();
    const std::optional<CliCommand> command
        = positional.isEmpty() ? std::nullopt : commandNamed(positional.first());
    if (!parsed)
        return usageError(parseErrorText(parser), command, streams.err);
    if (!positional.isEmpty() && !command)
        return usageError(QStringLiteral("unknown command '%1'").arg(positional.first()),
                          std::nullopt, streams.err);
    if (parser.isSet(help)) {
        streams.out << HelpText(command);
        return 0;
    }
    if (parser.isSet(version)) {
        streams.out << "tavenor-cli " << kVersion << '\n';
        return 0;
    }
    if (!command)
        return usageError(QStringLiteral("missing command (lyrics or convert)"), std::nullopt,
                          streams.err);
    if (positional.size() > 2)
        return usageError(QStringLiteral("too many arguments: one FILE at most"), command,
                          streams.err);
    const QString file = positional.value(1);
    const LineOutput lineOutput{parser.isSet(json), parser.isSet(quiet)};
    if (*command == CliCommand::Convert) {
        if (parser.isSet(lu))
            return usageError(QStringLiteral("--lu applies to the lyrics command only"), command,
                              streams.err);
        return RunConvertCommand(file, lineOutput, streams);
    }
    const std::optional<LuAnswers> answers = parseLuAnswers(parser.value(lu));
    if (!answers)
        return usageError(
            QStringLiteral("--lu takes auto, yes, no or ask, not '%1'").arg(parser.value(lu)),
            command, streams.err);
    return RunLyricsCommand(file, *answers, lineOutput, streams);
}

} // namespace tavenor
