#include "cli/cli.h"

#include "cli/convert_command.h"
#include "cli/fill_command.h"
#include "cli/help_texts.h"
#include "cli/lyrics_command.h"
#include "cli/parse_error_text.h"
#include "tavenor_version.h"

#include <QCommandLineParser>

#include <cstdint>
#include <limits>
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
    if (name == QLatin1String("fill"))
        return CliCommand::Fill;
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
        : *command == CliCommand::Fill   ? " fill"
                                         : " convert";
    err << "tavenor-cli: " << message.toStdString() << '\n'
        << "Try 'tavenor-cli" << helpCommand << " --help' for more information.\n";
    return 2;
}

// A count of at least one (--tail, --track), in decimal.
template <typename Integer> std::optional<Integer> parseCount(const QString& value)
{
    bool ok = false;
    const qlonglong parsed = value.toLongLong(&ok);
    if (!ok || parsed < 1 || parsed > std::numeric_limits<Integer>::max()
        || value.trimmed() != value || value.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return static_cast<Integer>(parsed);
}

// The options that only the fill takes, and those that it does not.
struct FillOptionSet {
    QCommandLineOption lyrics{QStringLiteral("lyrics"), QString(), QStringLiteral("file")};
    QCommandLineOption output{
        {QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("file")};
    QCommandLineOption inPlace{QStringLiteral("in-place"), QString()};
    QCommandLineOption romaji{QStringLiteral("romaji"), QString()};
    QCommandLineOption split{QStringLiteral("split"), QString(), QStringLiteral("yes|no")};
    QCommandLineOption tail{QStringLiteral("tail"), QString(), QStringLiteral("ticks")};
    QCommandLineOption track{QStringLiteral("track"), QString(), QStringLiteral("n")};

    QList<QCommandLineOption> all() const
    {
        return {lyrics, output, inPlace, romaji, split, tail, track};
    }
};

// tavenor-cli fill PROJECT [--lyrics FILE] (-o OUT | --in-place) [--romaji] [--split=yes|no]
// [--tail=TICKS] [--lu=auto|yes|no] [--quiet] [--track N]
int runFill(const QCommandLineParser& parser, const FillOptionSet& fill,
            const QCommandLineOption& json, const QCommandLineOption& lu, bool quiet,
            CliStreams streams)
{
    const auto usage = [&streams](const QString& message) {
        return usageError(message, CliCommand::Fill, streams.err);
    };
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < 2)
        return usage(QStringLiteral("missing PROJECT: the .ust, .ustx or MIDI file to fill"));
    if (positional.size() > 2)
        return usage(QStringLiteral("too many arguments: one PROJECT only"));
    if (parser.isSet(json))
        return usage(QStringLiteral("--json applies to the lyrics and convert commands only"));

    FillArguments arguments;
    arguments.project = positional.at(1);
    const std::optional<ProjectFormat> format = ProjectFormatOf(arguments.project);
    if (!format)
        return usage(
            QStringLiteral("'%1' is no .ust, .ustx, .mid or .midi file").arg(arguments.project));
    arguments.format = *format;
    arguments.quiet = quiet;

    const bool inPlace = parser.isSet(fill.inPlace);
    if (parser.isSet(fill.output)) {
        arguments.output = parser.value(fill.output);
        const bool same = NamesSameFile(arguments.project, arguments.output);
        if (same && !inPlace)
            return usage(QStringLiteral("-o names the project itself: add --in-place to write "
                                        "over it"));
        if (!same && inPlace)
            return usage(QStringLiteral("--in-place writes over the project: -o names another "
                                        "file"));
    } else if (inPlace) {
        arguments.output = arguments.project;
    } else {
        return usage(QStringLiteral("missing -o OUT or --in-place: where to write the filled "
                                    "project"));
    }

    if (parser.isSet(fill.lyrics))
        arguments.lyricsFile = parser.value(fill.lyrics);
    arguments.options.romaji = parser.isSet(fill.romaji);
    if (parser.isSet(fill.split)) {
        const QString split = parser.value(fill.split);
        if (split != QLatin1String("yes") && split != QLatin1String("no"))
            return usage(QStringLiteral("--split takes yes or no, not '%1'").arg(split));
        arguments.options.split = split == QLatin1String("yes");
    }
    if (parser.isSet(fill.tail)) {
        const std::optional<std::int64_t> tail = parseCount<std::int64_t>(parser.value(fill.tail));
        if (!tail)
            return usage(QStringLiteral("--tail takes a number of ticks from 1, not '%1'")
                             .arg(parser.value(fill.tail)));
        arguments.options.tail = *tail;
    }
    const QString luValue = parser.value(lu);
    if (luValue == QLatin1String("auto"))
        arguments.options.lu = LuReading::Auto;
    else if (luValue == QLatin1String("yes"))
        arguments.options.lu = LuReading::Lu;
    else if (luValue == QLatin1String("no"))
        arguments.options.lu = LuReading::Lv;
    else
        return usage(QStringLiteral("--lu takes auto, yes or no for fill, not '%1'").arg(luValue));
    if (parser.isSet(fill.track)) {
        if (arguments.format == ProjectFormat::Ust)
            return usage(QStringLiteral("--track applies to .ustx and MIDI files only"));
        const std::optional<int> track = parseCount<int>(parser.value(fill.track));
        if (!track)
            return usage(QStringLiteral("--track takes a track number from 1, not '%1'")
                             .arg(parser.value(fill.track)));
        arguments.track = *track;
    }
    return RunFillCommand(arguments, streams);
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
    const FillOptionSet fill;
    parser.addOptions(fill.all());

    const bool parsed = parser.parse(arguments);
    const QStringList positional = parser.positionalArguments();
    const std::optional<CliCommand> command
        = positional.isEmpty() ? std::nullopt : commandNamed(positional.first());
    if (!parsed)
        return usageError(ParseErrorText(parser), command, streams.err);
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
        return usageError(QStringLiteral("missing command (lyrics, convert or fill)"), std::nullopt,
                          streams.err);
    if (*command == CliCommand::Fill)
        return runFill(parser, fill, json, lu, parser.isSet(quiet), streams);
    for (const QCommandLineOption& option : fill.all()) {
        if (parser.isSet(option))
            return usageError(QStringLiteral("%1 applies to the fill command only")
                                  .arg(option.names().constLast().size() == 1
                                           ? QStringLiteral("-") + option.names().constLast()
                                           : QStringLiteral("--") + option.names().constLast()),
                              command, streams.err);
    }
    if (positional.size() > 2)
        return usageError(QStringLiteral("too many arguments: one FILE at most"), command,
                          streams.err);
    const QString file = positional.value(1);
    const LineOutput lineOutput{parser.isSet(json), parser.isSet(quiet)};
    if (*command == CliCommand::Convert) {
        if (parser.isSet(lu))
            return usageError(QStringLiteral("--lu applies to the lyrics and fill commands only"),
                              command, streams.err);
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
