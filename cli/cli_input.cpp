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
        if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return cannotRead(source, streams.err);
        // Straight into the string: a QByteArray or a buffer on the way would copy the input
        // once more. One byte more than the file's size, so that its end is read as such; a file
        // that grows meanwhile, or a pipe, makes room for itself.
        input.resize(static_cast<std::size_t>(source.size()) + 1);
        std::size_t filled = 0;
        for (;;) {
            const qint64 room = static_cast<qint64>(input.size() - filled);
            const qint64 got = source.read(input.data() + filled, room);
            if (got < 0)
                return cannotRead(source, streams.err);
            if (got == 0)
                break;
            filled += static_cast<std::size_t>(got);
            if (filled == input.size())
                input.resize(input.size() * 2);
        }
        input.resize(filled);
        if (source.error() != QFileDevice::NoError)
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
