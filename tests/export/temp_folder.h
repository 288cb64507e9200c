#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace nodewick::testing {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends. path() ends with "/", as a design folder does.
class TempFolder {
public:
    TempFolder()
    {
        // A random name that nobody else has made yet (create_directory
        // reports false for a folder that exists already).
        std::random_device random;
        for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
            const std::filesystem::path candidate =
                std::filesystem::temp_directory_path() / ("nodewick-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate))
                root_ = candidate;
        }
        if (root_.empty())
            throw std::runtime_error("cannot create a temporary folder");
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return root_.string() + "/"; }
    std::string file(const std::string& name) const { return path() + name; }

private:
    std::filesystem::path root_;
};

// The names of the files a folder holds, sorted.
inline std::vector<std::string> FileNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace nodewick::testing
