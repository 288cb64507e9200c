#include "output_file.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>

namespace nodewick::bench {
namespace {
constexpr std::size_t kBufferSize = 1 << 20;
}

OutputFile::OutputFile(std::filesystem::path path)
    : path_(std::move(path)), partPath_(path_.string() + ".part"), buffer_(kBufferSize)
{
    file_ = std::fopen(partPath_.c_str(), "wb");
    if (file_ == nullptr)
        Fail("cannot create");
}

OutputFile::~OutputFile()
{
    if (file_ != nullptr) {
        std::fclose(file_);
        std::error_code ignored;
        std::filesystem::remove(partPath_, ignored);
    }
}

void OutputFile::Drain()
{
    if (used_ > 0 && std::fwrite(buffer_.data(), 1, used_, file_) != used_)
        Fail("cannot write");
    used_ = 0;
}

void OutputFile::WriteDirect(std::string_view text)
{
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size())
        Fail("cannot write");
}

std::uintmax_t OutputFile::Commit()
{
    Drain();
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) {
        const int reason = errno;
        std::error_code ignored;
        std::filesystem::remove(partPath_, ignored);
        throw std::runtime_error(partPath_.string() + ": cannot close: " + std::strerror(reason));
    }
    std::error_code error;
    std::filesystem::rename(partPath_, path_, error);
    if (error) {
        std::filesystem::remove(partPath_, error);
        throw std::runtime_error(path_.string() + ": cannot put in place: " + error.message());
    }
    return std::filesystem::file_size(path_);
}

void OutputFile::Fail(const char* what) const
{
    throw std::runtime_error(partPath_.string() + ": " + what + ": " + std::strerror(errno));
}

}  // namespace nodewick::bench
