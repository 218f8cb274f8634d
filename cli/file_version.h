#pragma once

#include <cstdint>
#include <optional>

namespace tavenor {

// What tells one content of an open file from the next: which file it is, its size, and the
// times of its last change of content and of status, as finely as the system keeps them.
struct FileVersion {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    // A pipe or a device is a stream: read once, it has no other content to compare with.
    bool regular = false;

    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

// The version of the file open as descriptor fd, or nothing when the system cannot tell.
std::optional<FileVersion> VersionOfOpenFile(int fd);

} // namespace tavenor
