#include "cli/file_snapshot.h"

#include <QFile>

#include <cerrno>

namespace tavenor {

OpenFileSource::OpenFileSource(QFile& file)
    : m_file(file)
{
}

std::optional<FileVersion> OpenFileSource::version() { return VersionOfOpenFile(m_file.handle()); }

std::int64_t OpenFileSource::read(char* into, std::int64_t most) { return m_file.read(into, most); }

bool OpenFileSource::rewind() { return m_file.seek(0); }

QString OpenFileSource::errorString() const
{
    // A failed fstat leaves no error on the file itself.
    return m_file.error() != QFileDevice::NoError ? m_file.errorString() : qt_error_string(errno);
}

namespace {

// Reads what source has left into text; false on an error. One byte more than the expected size
// is asked for, so that the end is read as such; a file that grows, or a pipe, makes room.
bool readRest(SnapshotSource& source, std::int64_t expectedSize, InputBuffer& text)
{
    text.reserve(static_cast<std::size_t>(expectedSize) + 1);
    std::size_t filled = 0;
    for (;;) {
        const auto room = static_cast<std::int64_t>(text.capacity() - filled);
        const std::int64_t got = source.read(text.data() + filled, room);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
        text.setSize(filled);
        if (filled == text.capacity())
            text.reserve(text.capacity() * 2);
    }
    text.setSize(filled);
    return true;
}

} // namespace

SnapshotOutcome TakeSnapshot(SnapshotSource& source, InputBuffer& text)
{
    for (int attempt = 0; attempt < kSnapshotAttempts; ++attempt) {
        const std::optional<FileVersion> before = source.version();
        if (!before || (attempt > 0 && !source.rewind()))
            return SnapshotOutcome::Unreadable;
        text.setSize(0);
        if (!readRest(source, before->size, text))
            return SnapshotOutcome::Unreadable;
        if (!before->regular)
            return SnapshotOutcome::Taken;
        const std::optional<FileVersion> after = source.version();
        if (!after)
            return SnapshotOutcome::Unreadable;
        if (*after == *before)
            return SnapshotOutcome::Taken;
    }
    return SnapshotOutcome::KeptChanging;
}

} // namespace tavenor
