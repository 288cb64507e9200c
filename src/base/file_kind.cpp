#include "base/file_kind.h"

#include <sys/stat.h>

namespace nodewick {

std::string_view NonRegularKind(mode_t mode) noexcept
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return "a folder";
#ifdef S_ISFIFO
    if (S_ISFIFO(mode))
        return "a FIFO (named pipe)";
#endif
    if (S_ISCHR(mode))
        return "a character device";
#ifdef S_ISBLK
    if (S_ISBLK(mode))
        return "a block device";
#endif
#ifdef S_ISSOCK
    if (S_ISSOCK(mode))
        return "a socket";
#endif
#ifdef S_ISLNK
    if (S_ISLNK(mode))
        return "a symbolic link";
#endif
    return "not a regular file";
}

}  // namespace nodewick
