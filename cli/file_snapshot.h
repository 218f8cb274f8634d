#pragma once

#include "cli/file_version.h"
#include "cli/input_buffer.h"

#include <QString>

#include <cstdint>
#include <optional>

class QFile;

namespace tavenor {

// A file as a snapshot reads it: its version, and its bytes from the start, as often as needed.
class SnapshotSource {
public:
    virtual ~SnapshotSource() = default;

    virtual std::optional<FileVersion> version() = 0;
    // Up to `most` bytes: 0 at the end, -1 on an error.
    virtual std::int64_t read(char* into, std::int64_t most) = 0;
    virtual bool rewind() = 0;
    // Why the last call failed.
    virtual QString errorString() const = 0;
};

// A file open for reading.
class OpenFileSource final : public SnapshotSource {
public:
    explicit OpenFileSource(QFile& file);

    std::optional<FileVersion> version() override;
    std::int64_t read(char* into, std::int64_t most) override;
    bool rewind() override;
    QString errorString() const override;

private:
    QFile& m_file;
};

enum class SnapshotOutcome { Taken, Unreadable, KeptChanging };

// How often a file that another program keeps changing is read before giving up.
inline constexpr int kSnapshotAttempts = 3;

// Reads source whole into text as one content of the file, never two mixed: the file's version
// is taken before and after the read, and a read during which it changed (truncated, extended or
// rewritten in place by another program) is made anew, kSnapshotAttempts times in all. A pipe or
// a device is read once: what it gives is the only content there is.
SnapshotOutcome TakeSnapshot(SnapshotSource& source, InputBuffer& text);

} // namespace tavenor
