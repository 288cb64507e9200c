#include "standard_input.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>
#ifdef _WIN32
#include <direct.h>
#include <io.h>
#endif

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

// Makes a new folder from pattern, whose last six characters are XXXXXX,
// and puts its name there; false with errno set when none could be made.
bool MakeFolder(std::string& pattern)
{
#ifdef _WIN32
    // _mktemp_s names a path that is free now; _mkdir fails if another took
    // it meanwhile, and a fresh name is tried.
    const std::string original = pattern;
    for (int attempt = 0; attempt < 100; ++attempt) {
        pattern = original;
        if (::_mktemp_s(pattern.data(), pattern.size() + 1) != 0)
            return false;
        if (::_mkdir(pattern.c_str()) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
#else
    return ::mkdtemp(pattern.data()) != nullptr;
#endif
}

}  // namespace

StandardInputCopy::StandardInputCopy()
{
    const std::string content = ReadAll(STDIN_FILENO);
    std::string pattern = (std::filesystem::temp_directory_path() / "nodewick-stdin-XXXXXX").string();
    if (!MakeFolder(pattern))
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
