#pragma once

#include <string>
#include <string_view>

// Plain POSIX file writing for the export's two files. Every failure carries
// the system's reason (errno), which the callers put into their messages.
namespace nodewick::exporter {

// The system's wording of an errno value.
std::string SystemReason(int errorNumber);

// An open file descriptor, closed when it goes out of scope.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int descriptor) noexcept : descriptor_(descriptor) {}
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    bool isOpen() const noexcept { return descriptor_ >= 0; }

    // Writes all of data; returns 0 or the errno of the failure.
    int writeAll(std::string_view data) noexcept;

    // Closes the file; returns 0 or the errno of the failure (a delayed write
    // error shows up here on some file systems).
    int close() noexcept;

private:
    int descriptor_ = -1;
};

// Creates or empties the file at path for writing. Returns the handle, which
// is not open when the file cannot be created; errorNumber then holds why.
FileHandle CreateFile(const std::string& path, bool mustBeNew, int& errorNumber) noexcept;

// Reads the whole file at path into content; returns 0 or the errno.
int ReadWholeFile(const std::string& path, std::string& content);

// Creates or replaces the file at path with content; returns 0 or the errno.
int WriteWholeFile(const std::string& path, std::string_view content) noexcept;

} // namespace nodewick::exporter
