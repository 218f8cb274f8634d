#include "plugin/plugin_arguments.h"

#include "cli/parse_error_text.h"

#include <QCommandLineParser>

namespace tavenor {
namespace {

std::optional<bool> parseYesNo(const QString& value)
{
    if (value == QLatin1String("yes"))
        return true;
    if (value == QLatin1String("no"))
        return false;
    return std::nullopt;
}

std::optional<LuReading> parseLu(const QString& value)
{
    if (value == QLatin1String("auto"))
        return LuReading::Auto;
    if (value == QLatin1String("yes"))
        return LuReading::Lu;
    if (value == QLatin1String("no"))
        return LuReading::Lv;
    return std::nullopt;
}

} // namespace

PluginArguments ParsePluginArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption lyrics(QStringLiteral("lyrics"), QString(), QStringLiteral("file"));
    const QCommandLineOption romaji(QStringLiteral("romaji"), QString());
    const QCommandLineOption split(QStringLiteral("split"), QString(), QStringLiteral("when"),
                                   QStringLiteral("yes"));
    const QCommandLineOption lu(QStringLiteral("lu"), QString(), QStringLiteral("when"),
                                QStringLiteral("auto"));
    parser.addOptions({help, version, lyrics, romaji, split, lu});
    if (!parser.parse(arguments))
        return PluginUsageError{ParseErrorText(parser)};
    if (parser.isSet(help))
        return PluginInfo::Help;
    if (parser.isSet(version))
        return PluginInfo::Version;

    PluginRequest request;
    const std::optional<bool> splits = parseYesNo(parser.value(split));
    if (!splits)
        return PluginUsageError{
            QStringLiteral("--split takes yes or no, not '%1'").arg(parser.value(split))};
    const std::optional<LuReading> reading = parseLu(parser.value(lu));
    if (!reading)
        return PluginUsageError{
            QStringLiteral("--lu takes auto, yes or no, not '%1'").arg(parser.value(lu))};
    request.options.split = *splits;
    request.options.lu = *reading;
    request.options.romaji = parser.isSet(romaji);
    if (parser.isSet(lyrics))
        request.lyricsFile = parser.value(lyrics);

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return PluginUsageError{QStringLiteral("missing USTFILE, the notes' file")};
    if (positional.size() > 1)
        return PluginUsageError{QStringLiteral("too many arguments: one USTFILE only")};
    request.ustFile = positional.first();
    return request;
}

} // namespace tavenor
