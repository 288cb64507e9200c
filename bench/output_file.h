#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

namespace nodewick::bench {

// Streams a generated file through a fixed buffer into "<path>.part" and puts
// it in place only when Commit() succeeds, so an interrupted or failed run
// never leaves a truncated design that looks whole. Errors throw
// std::runtime_error naming the file and the system's reason.
class OutputFile {
public:
    explicit OutputFile(std::filesystem::path path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    OutputFile& operator<<(std::string_view text)
    {
        if (text.size() > buffer_.size() - used_)
            Drain();
        if (text.size() > buffer_.size()) {
            WriteDirect(text);
            return *this;
        }
        text.copy(buffer_.data() + used_, text.size());
        used_ += text.size();
        return *this;
    }

    OutputFile& operator<<(char c) { return *this << std::string_view(&c, 1); }

    OutputFile& operator<<(std::int64_t value)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
    }

    OutputFile& operator<<(std::int32_t value) { return *this << static_cast<std::int64_t>(value); }
    OutputFile& operator<<(std::uint32_t value) { return *this << static_cast<std::int64_t>(value); }

    // Flushes, closes and renames the file into place; returns its size.
    std::uintmax_t Commit();

private:
    void Drain();
    void WriteDirect(std::string_view text);
    [[noreturn]] void Fail(const char* what) const;

    std::filesystem::path path_;
    std::filesystem::path partPath_;
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
};

}  // namespace nodewick::bench
