#include "file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace nodewick::exporter {
namespace {

// Bytes go to the file exactly as written: Windows would otherwise turn every
// LF into CR LF, and a CR LF into CR CR LF. Elsewhere the descriptor is not
// handed on to programs the export starts (the text editor).
#ifdef _WIN32
constexpr int kOpenFlags = O_BINARY | O_NOINHERIT;
#else
constexpr int kOpenFlags = O_CLOEXEC;
#endif

} // namespace

std::string SystemReason(int errorNumber)
{
    return std::strerror(errorNumber);
}

FileHandle::FileHandle(FileHandle&& other) noexcept : descriptor_(other.descriptor_)
{
    other.descriptor_ = -1;
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        close();
        descriptor_ = other.descriptor_;
        other.descriptor_ = -1;
    }
    return *this;
}

FileHandle::~FileHandle()
{
    close();
}

int FileHandle::writeAll(std::string_view data) noexcept
{
    while (!data.empty()) {
        const ssize_t written = ::write(descriptor_, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int FileHandle::close() noexcept
{
    if (descriptor_ < 0)
        return 0;
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    return result == 0 ? 0 : errno;
}

FileHandle CreateFile(const std::string& path, bool mustBeNew, int& errorNumber) noexcept
{
    const int flags = O_WRONLY | O_CREAT | kOpenFlags | (mustBeNew ? O_EXCL : O_TRUNC);
    const int descriptor = ::open(path.c_str(), flags, 0666);
    errorNumber = descriptor < 0 ? errno : 0;
    return FileHandle(descriptor);
}

int ReadWholeFile(const std::string& path, std::string& content)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | kOpenFlags);
    if (descriptor < 0)
        return errno;
    FileHandle file(descriptor);
    content.clear();
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(descriptor, block, sizeof block);
        if (got == 0)
            return 0;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        content.append(block, static_cast<std::size_t>(got));
    }
}

int WriteWholeFile(const std::string& path, std::string_view content) noexcept
{
    int error = 0;
    FileHandle file = CreateFile(path, false, error);
    if (!file.isOpen())
        return error;
    error = file.writeAll(content);
    const int closeError = file.close();
    return error != 0 ? error : closeError;
}

} // namespace nodewick::exporter
