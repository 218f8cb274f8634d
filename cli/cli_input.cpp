#include "cli/cli_input.h"

#include "cli/file_snapshot.h"
#include "cli/input_lines.h"

#include <QFile>

#include <ostream>

namespace tavenor {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::optional<CliInput> cannotRead(const QString& file, const QString& why, std::ostream& err)
{
    err << "tavenor-cli: cannot read " << file.toStdString() << ": " << why.toStdString() << '\n';
    return std::nullopt;
}

} // namespace

std::optional<CliInput> CliInput::read(const QString& file, CliStreams streams)
{
    if (!file.isEmpty() && file != QLatin1String("-")) {
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return cannotRead(file, source.errorString(), streams.err);
        OpenFileSource snapshotSource(source);
        return readFile(file, snapshotSource, streams.err);
    }
    CliInput input;
    input.m_read = ReadAll(streams.in);
    // A read error looks like the end of the input; without this check an unreadable standard
    // input would pass for an empty one.
    if (streams.in.bad()) {
        streams.err << "tavenor-cli: cannot read standard input\n";
        return std::nullopt;
    }
    return std::move(input).checked(streams.err);
}

std::optional<CliInput> CliInput::readFile(const QString& file, SnapshotSource& source,
                                           std::ostream& err)
{
    CliInput input;
    input.m_fromFile = true;
    switch (TakeSnapshot(source, input.m_file)) {
    case SnapshotOutcome::Taken: return std::move(input).checked(err);
    case SnapshotOutcome::Unreadable: return cannotRead(file, source.errorString(), err);
    case SnapshotOutcome::KeptChanging:
        return cannotRead(file, QStringLiteral("it kept changing while it was read"), err);
    }
    return std::nullopt;
}

std::optional<CliInput> CliInput::checked(std::ostream& err) &&
{
    if (const auto problem = DescribeInvalidUtf8(text())) {
        err << "tavenor-cli: " << *problem << '\n';
        return std::nullopt;
    }
    // Editors on Windows start UTF-8 files with a byte order mark; it is no part of the first
    // line. Skipped after the check, so that reported byte offsets stay those of the file.
    if (text().starts_with(kUtf8ByteOrderMark))
        m_skipped = kUtf8ByteOrderMark.size();
    return std::move(*this);
}

} // namespace tavenor
