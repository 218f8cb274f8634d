#include "cli/cli_input.h"

#include "cli/input_lines.h"

#include <ostream>

namespace tavenor {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::optional<CliInput> cannotRead(const QFile& source, std::ostream& err)
{
    err << "tavenor-cli: cannot read " << source.fileName().toStdString() << ": "
        << source.errorString().toStdString() << '\n';
    return std::nullopt;
}

// Reads what is left of source into text. One byte more than the file's size is asked for, so
// that its end is read as such; a file that grows meanwhile, or a pipe, makes room for itself.
bool readRest(QFile& source, std::string& text)
{
    text.resize(static_cast<std::size_t>(source.size()) + 1);
    std::size_t filled = 0;
    for (;;) {
        const qint64 room = static_cast<qint64>(text.size() - filled);
        const qint64 got = source.read(text.data() + filled, room);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
        if (filled == text.size())
            text.resize(text.size() * 2);
    }
    text.resize(filled);
    return source.error() == QFileDevice::NoError;
}

} // namespace

std::optional<CliInput> CliInput::read(const QString& file, CliStreams streams)
{
    CliInput input;
    if (file.isEmpty() || file == QLatin1String("-")) {
        input.m_read = ReadAll(streams.in);
        // A read error looks like the end of the input; without this check an unreadable
        // standard input would pass for an empty one.
        if (streams.in.bad()) {
            streams.err << "tavenor-cli: cannot read standard input\n";
            return std::nullopt;
        }
    } else {
        input.m_file = std::make_unique<QFile>(file);
        QFile& source = *input.m_file;
        if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return cannotRead(source, streams.err);
        // A pipe or an empty file cannot be mapped; those are read.
        const qint64 size = source.size();
        if (uchar* mapped = size > 0 ? source.map(0, size) : nullptr) {
            input.m_mapped = reinterpret_cast<const char*>(mapped);
            input.m_mappedSize = static_cast<std::size_t>(size);
        } else if (!readRest(source, input.m_read)) {
            return cannotRead(source, streams.err);
        }
    }
    if (const auto problem = DescribeInvalidUtf8(input.text())) {
        streams.err << "tavenor-cli: " << *problem << '\n';
        return std::nullopt;
    }
    // Editors on Windows start UTF-8 files with a byte order mark; it is no part of the first
    // line. Skipped after the check, so that reported byte offsets stay those of the file.
    if (input.text().starts_with(kUtf8ByteOrderMark))
        input.m_skipped = kUtf8ByteOrderMark.size();
    return input;
}

} // namespace tavenor
