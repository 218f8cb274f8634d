#include "cli/file_version.h"

#include <sys/stat.h>
#include <sys/types.h>

namespace tavenor {

namespace {

std::int64_t nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

} // namespace

std::optional<FileVersion> VersionOfOpenFile(int fd)
{
    struct stat status { };
    if (fstat(fd, &status) != 0)
        return std::nullopt;
    FileVersion version;
    version.device = status.st_dev;
    version.inode = status.st_ino;
    version.size = status.st_size;
    version.modifiedNs = nanoseconds(status.st_mtim);
    version.changedNs = nanoseconds(status.st_ctim);
    version.regular = S_ISREG(status.st_mode);
    return version;
}

} // namespace tavenor
