#include "standard_input.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

#include "export/file_io.h"

namespace nodewick::cli {
namespace {

std::string ReadAll(int descriptor)
{
    std::string content;
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(descriptor, block, sizeof block);
        if (got == 0)
            return content;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("Cannot read the design from standard input: " + exporter::SystemReason(errno));
        }
        content.append(block, static_cast<std::size_t>(got));
    }
}

}  // namespace

StandardInputCopy::StandardInputCopy()
{
    const std::string content = ReadAll(STDIN_FILENO);
    std::string pattern = (std::filesystem::temp_directory_path() / "nodewick-stdin-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("Cannot keep the design read from standard input: " + pattern + ": " +
                                 exporter::SystemReason(errno));
    folder_ = pattern;
    path_ = folder_ + "/standard-input";
    try {
        exporter::ReplaceFile(path_, content, "the design read from standard input");
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        throw;
    }
}

StandardInputCopy::~StandardInputCopy()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

}  // namespace nodewick::cli
