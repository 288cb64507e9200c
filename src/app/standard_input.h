#pragma once

#include <string>

namespace nodewick::cli {

// A design read from standard input, kept in a file of its own under the
// system's temporary folder for as long as this object lives, since the
// design readers take a file. Throws std::runtime_error when standard input
// cannot be read or the copy cannot be written.
class StandardInputCopy {
public:
    StandardInputCopy();
    ~StandardInputCopy();
    StandardInputCopy(const StandardInputCopy&) = delete;
    StandardInputCopy& operator=(const StandardInputCopy&) = delete;

    const std::string& path() const noexcept { return path_; }

private:
    std::string folder_;
    std::string path_;
};

}  // namespace nodewick::cli
