#include "cli/file_version.h"

#include <sys/stat.h>
#include <sys/types.h>

namespace tavenor {

// Windows keeps the times to the second here, and has no inode.
std::optional<FileVersion> VersionOfOpenFile(int fd)
{
    struct _stat64 status { };
    if (_fstat64(fd, &status) != 0)
        return std::nullopt;
    constexpr std::int64_t kNsPerSecond = 1'000'000'000;
    FileVersion version;
    version.size = status.st_size;
    version.modifiedNs = status.st_mtime * kNsPerSecond;
    version.changedNs = status.st_ctime * kNsPerSecond;
    version.regular = (status.st_mode & _S_IFMT) == _S_IFREG;
    return version;
}

} // namespace tavenor
