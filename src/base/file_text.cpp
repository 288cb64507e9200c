#include "base/file_text.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "base/error.h"
#include "base/file_kind.h"

namespace nodewick {
namespace {

#ifdef _WIN32
constexpr int kReadFlags = O_RDONLY | O_BINARY;
int OpenForReading(const std::filesystem::path& path)
{
    return ::_wopen(path.c_str(), kReadFlags);
}
#else
constexpr int kReadFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
int OpenForReading(const std::filesystem::path& path)
{
    return ::open(path.c_str(), kReadFlags);
}
#endif

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& what)
{
    throw FileError(path.string() + ": " + what);
}

}  // namespace

RegularFile::RegularFile(const std::filesystem::path& path) : path_(path), descriptor_(OpenForReading(path))
{
    if (descriptor_ < 0)
        Fail(path_, std::string("cannot open the file: ") + std::strerror(errno));
    struct stat status { };
    if (::fstat(descriptor_, &status) != 0) {
        const int error = errno;
        ::close(descriptor_);
        Fail(path_, std::string("cannot read the file: ") + std::strerror(error));
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor_);
        Fail(path_,
             std::string("this is ") + std::string(NonRegularKind(status.st_mode)) +
                 ", not a regular file; only a regular file is read");
    }
    size_ = static_cast<std::uint64_t>(status.st_size);
}

RegularFile::~RegularFile()
{
    ::close(descriptor_);
}

std::size_t RegularFile::read(char* buffer, std::size_t capacity)
{
    for (;;) {
        const auto got = ::read(descriptor_, buffer, static_cast<unsigned>(capacity));
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            Fail(path_, std::string("cannot read the file: ") + std::strerror(errno));
    }
}

std::string ReadWholeFile(const std::filesystem::path& path)
{
    RegularFile file(path);
    std::string content;
    content.resize(static_cast<std::size_t>(file.size()));
    std::size_t filled = 0;
    // A file may grow while it is read: read until the end, not to the size.
    for (;;) {
        if (filled == content.size())
            content.resize(content.size() + 65536);
        const std::size_t got = file.read(content.data() + filled, content.size() - filled);
        if (got == 0)
            break;
        filled += got;
    }
    content.resize(filled);
    return content;
}

}  // namespace nodewick
