#include "base/replace_file.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#endif

namespace nodewick {

#ifdef _WIN32
namespace {

int ErrnoOf(DWORD error) noexcept
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    default:
        return EIO;
    }
}

}  // namespace

// std::rename refuses an existing target on Windows; MoveFileEx replaces it,
// and write-through returns only once the move is on the disk.
int RenameReplacing(const std::string& from, const std::string& to) noexcept
{
    if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return ErrnoOf(::GetLastError());
}
#else
int RenameReplacing(const std::string& from, const std::string& to) noexcept
{
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}
#endif

}  // namespace nodewick
