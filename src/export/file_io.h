#pragma once

#include <string>
#include <string_view>

// Plain POSIX file writing for the export's files. A file is only
// ever replaced whole: written under a temporary name beside it and renamed
// into place, so a reader sees the old file or the new one, never a part.
namespace nodewick::exporter {

// The system's wording of an errno value.
std::string SystemReason(int errorNumber);

// Writes all of data to an open descriptor; returns 0 or the errno of the
// failure.
int WriteAll(int descriptor, std::string_view data) noexcept;

// An open file descriptor, closed when it goes out of scope.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int descriptor) noexcept : descriptor_(descriptor) { }
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    bool isOpen() const noexcept { return descriptor_ >= 0; }
    int descriptor() const noexcept { return descriptor_; }

    // Writes all of data; returns 0 or the errno of the failure.
    int writeAll(std::string_view data) noexcept;

    // Closes the file; returns 0 or the errno of the failure (a delayed write
    // error shows up here on some file systems).
    int close() noexcept;

private:
    int descriptor_ = -1;
};

// A file being written under a temporary name beside its final path: created
// new, never through a link, removed again unless it was put in place. While
// it exists, SIGINT, SIGTERM and SIGHUP remove it before the process ends.
// Every failure throws nodewick::FileError naming `what` ("the netlist") and
// the path.
class ReplacementFile {
public:
    ReplacementFile(std::string finalPath, std::string what);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    void write(std::string_view data);

    // Closes the temporary file and renames it over the final path; a
    // symbolic link there is replaced, not followed.
    void commit();

    const std::string& finalPath() const noexcept { return finalPath_; }
    const std::string& temporaryPath() const noexcept { return temporaryPath_; }

private:
    // before: the message up to the path.
    [[noreturn]] void fail(const std::string& before, int errorNumber) const;

    std::string finalPath_;
    std::string what_;
    std::string temporaryPath_;
    FileHandle file_;
    bool committed_ = false;
};

// The hidden temporary name of a file being written by this process:
// ".NAME.nodewick-PID-ATTEMPT.tmp" in the same folder.
std::string TemporaryPath(std::string_view finalPath, long processId, int attempt);

// Removes the temporary files in the folder (empty: the working folder) that
// runs no longer alive left behind, killed before they could clean up.
// Returns how many were removed; a file that cannot be removed is left.
int RemoveLeftoverTemporaries(const std::string& folder) noexcept;

// Refuses a name that is there but is no regular file and no symbolic link
// (a FIFO, a device, a socket, a folder): replacing it would silently take
// away whatever it is. Throws nodewick::FileError.
void RequireReplaceable(const std::string& path, std::string_view what);

// Replaces the file at path with content, atomically. Throws nodewick::FileError.
void ReplaceFile(const std::string& path, std::string_view content, std::string_view what);

}  // namespace nodewick::exporter
