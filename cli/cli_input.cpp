#include "cli/cli_input.h"

#include "cli/input_lines.h"

#include <QFile>

#include <ostream>

namespace tavenor {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::optional<std::string> cannotRead(const QFile& source, std::ostream& err)
{
    err << "tavenor-cli: cannot read " << source.fileName().toStdString() << ": "
        << source.errorString().toStdString() << '\n';
    return std::nullopt;
}

} // namespace

std::optional<std::string> ReadCliInput(const QString& file, CliStreams streams)
{
    std::string input;
    if (file.isEmpty() || file == QLatin1String("-")) {
        input = ReadAll(streams.in);
        // A read error looks like the end of the input; without this check an unreadable
        // standard input would pass for an empty one.
        if (streams.in.bad()) {
            streams.err << "tavenor-cli: cannot read standard input\n";
            return std::nullopt;
        }
    } else {
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly))
            return cannotRead(source, streams.err);
        // Straight into the string: a QByteArray on the way would hold the input twice.
        input.reserve(static_cast<std::size_t>(source.size()));
        char chunk[1 << 16];
        qint64 got = 0;
        while ((got = source.read(chunk, sizeof chunk)) > 0)
            input.append(chunk, static_cast<std::size_t>(got));
        if (got < 0 || source.error() != QFileDevice::NoError)
            return cannotRead(source, streams.err);
    }
    if (const auto problem = DescribeInvalidUtf8(input)) {
        streams.err << "tavenor-cli: " << *problem << '\n';
        return std::nullopt;
    }
    // Editors on Windows start UTF-8 files with a byte order mark; it is no part of the first
    // line. Dropped after the check, so that reported byte offsets stay those of the file.
    if (input.starts_with(kUtf8ByteOrderMark))
        input.erase(0, kUtf8ByteOrderMark.size());
    return input;
}

} // namespace tavenor
