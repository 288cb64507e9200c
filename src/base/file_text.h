#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// Reading the files Nodewick is given (a design file, the settings file).
// Only a regular file is read: a FIFO, a device, a socket or a folder is
// refused at once with a FileError naming the path, instead of blocking on
// a pipe that no one writes to.
namespace nodewick {

class RegularFile {
public:
    // Opens without waiting (a FIFO would otherwise block the open itself)
    // and checks what the path is. Throws FileError.
    explicit RegularFile(const std::filesystem::path& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // The size when the file was opened.
    std::uint64_t size() const noexcept { return size_; }
    // Up to `capacity` bytes; 0 at the end. Throws FileError.
    std::size_t read(char* buffer, std::size_t capacity);

private:
    std::filesystem::path path_;
    int descriptor_ = -1;
    std::uint64_t size_ = 0;
};

// The whole content of a regular file. Throws FileError.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace nodewick
