#include "file_io.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#undef ReplaceFile  // windows.h's name for ReplaceFileA would rename ours
#endif

#include "base/error.h"
#include "base/file_kind.h"
#include "base/replace_file.h"
#include "interrupt_cleanup.h"

namespace nodewick::exporter {
namespace {

constexpr std::string_view kTemporaryMark = ".nodewick-";
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr int kCreateAttempts = 100;

#ifdef _WIN32
// Windows has no FIFOs to wait on and no descriptors to leak into a child;
// the files are read and written byte for byte, without newline translation.
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_BINARY;
constexpr int kReadFlags = O_RDONLY | O_BINARY;
#else
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
// Not blocking, so that opening a FIFO returns at once and can be refused.
constexpr int kReadFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
#endif

std::string Described(std::string_view what, const std::string& path)
{
    std::string text(what);
    text += ' ';
    text += path;
    return text;
}

[[noreturn]] void RefuseToReplace(std::string_view what, const std::string& path, std::string_view kind)
{
    std::string message = Described(what, path);
    message[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(message[0])));
    throw FileError(message + " is " + std::string(kind) + ", not a regular file; it is not replaced");
}

// The process id in a temporary name made by TemporaryPath, or nothing when
// the name is not one of ours.
std::optional<long> TemporaryOwner(std::string_view name)
{
    if (!name.starts_with('.') || !name.ends_with(kTemporaryEnd))
        return std::nullopt;
    name.remove_suffix(kTemporaryEnd.size());
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string_view::npos || mark == 0)
        return std::nullopt;
    const std::string_view numbers = name.substr(mark + kTemporaryMark.size());
    long processId = 0;
    const auto [end, error] = std::from_chars(numbers.data(), numbers.data() + numbers.size(), processId);
    if (error != std::errc{} || processId <= 0 || end == numbers.data() + numbers.size() || *end != '-')
        return std::nullopt;
    const std::string_view attempt(end + 1, static_cast<std::size_t>(numbers.data() + numbers.size() - end - 1));
    if (attempt.empty() || attempt.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return processId;
}

// A process that no longer exists; one of another user still counts as alive.
bool IsGone(long processId) noexcept
{
#ifdef _WIN32
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (process == nullptr)
        return ::GetLastError() == ERROR_INVALID_PARAMETER;  // no such process id
    DWORD status = 0;
    const bool ended = ::GetExitCodeProcess(process, &status) != 0 && status != STILL_ACTIVE;
    ::CloseHandle(process);
    return ended;
#else
    return ::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
#endif
}

// Removes the named entry of an open folder listing; true when it is gone.
bool RemoveListed(DIR* listing, const std::string& folder, const char* name) noexcept
{
#ifdef _WIN32
    (void)listing;
    std::string path = folder.empty() ? std::string(".") : folder;
    path += '/';
    path += name;
    return ::DeleteFileA(path.c_str()) != 0;
#else
    (void)folder;
    return ::unlinkat(::dirfd(listing), name, 0) == 0;
#endif
}

// The mode of what is at path; nothing when there is nothing there or a
// symbolic link (on Windows any reparse point), which is replaced, not followed.
std::optional<mode_t> ModeUnlessLink(const std::string& path) noexcept
{
    struct stat info { };
#ifdef _WIN32
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
        ::stat(path.c_str(), &info) != 0)
        return std::nullopt;
#else
    if (::lstat(path.c_str(), &info) != 0 || S_ISLNK(info.st_mode))
        return std::nullopt;
#endif
    return info.st_mode;
}

}  // namespace

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

int WriteAll(int descriptor, std::string_view data) noexcept
{
    while (!data.empty()) {
        const ssize_t written = ::write(descriptor, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int FileHandle::writeAll(std::string_view data) noexcept
{
    return WriteAll(descriptor_, data);
}

int FileHandle::close() noexcept
{
    if (descriptor_ < 0)
        return 0;
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    return result == 0 ? 0 : errno;
}

std::string TemporaryPath(std::string_view finalPath, long processId, int attempt)
{
    const std::size_t nameStart = finalPath.rfind('/') + 1;  // 0 when there is no folder
    std::string path(finalPath.substr(0, nameStart));
    path += '.';
    path += finalPath.substr(nameStart);
    path += kTemporaryMark;
    path += std::to_string(processId);
    path += '-';
    path += std::to_string(attempt);
    path += kTemporaryEnd;
    return path;
}

int RemoveLeftoverTemporaries(const std::string& folder) noexcept
{
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const std::optional<long> owner = TemporaryOwner(entry->d_name);
        if (owner && IsGone(*owner) && RemoveListed(listing, folder, entry->d_name))
            ++removed;
    }
    ::closedir(listing);
    return removed;
}

void RequireReplaceable(const std::string& path, std::string_view what)
{
    const std::optional<mode_t> mode = ModeUnlessLink(path);
    if (!mode)
        return;
    if (const std::string_view kind = NonRegularKind(*mode); !kind.empty())
        RefuseToReplace(what, path, kind);
}

ReplacementFile::ReplacementFile(std::string finalPath, std::string what)
    : finalPath_(std::move(finalPath)), what_(std::move(what))
{
    RequireReplaceable(finalPath_, what_);
    const InterruptsHeld held;
    int error = 0;
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        temporaryPath_ = TemporaryPath(finalPath_, ::getpid(), attempt);
        // O_EXCL refuses a link at the temporary name as well as a file.
        file_ = FileHandle(::open(temporaryPath_.c_str(), kCreateFlags, 0666));
        error = file_.isOpen() ? 0 : errno;
        if (error != EEXIST)
            break;
    }
    if (!file_.isOpen())
        throw FileError("Cannot create " + Described(what_, finalPath_) + " (temporary file " + temporaryPath_ +
                        "): " + SystemReason(error));
    RemoveOnInterrupt(temporaryPath_);
}

ReplacementFile::~ReplacementFile()
{
    if (!committed_) {
        file_.close();
        ::unlink(temporaryPath_.c_str());
        KeepOnInterrupt();
    }
}

void ReplacementFile::write(std::string_view data)
{
    if (const int error = file_.writeAll(data); error != 0)
        fail("Cannot write " + what_ + " ", error);
}

void ReplacementFile::commit()
{
    if (const int error = file_.close(); error != 0)
        fail("Cannot write " + what_ + " ", error);
    if (const int error = RenameReplacing(temporaryPath_, finalPath_); error != 0)
        fail("Cannot put " + what_ + " in place as ", error);
    committed_ = true;
    KeepOnInterrupt();
}

void ReplacementFile::fail(const std::string& before, int errorNumber) const
{
    throw FileError(before + finalPath_ + ": " + SystemReason(errorNumber));
}

void ReplaceFile(const std::string& path, std::string_view content, std::string_view what)
{
    ReplacementFile file(path, std::string(what));
    file.write(content);
    file.commit();
}

}  // namespace nodewick::exporter
