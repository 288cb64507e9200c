#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace nodewick::bench {

// The output digests of the previous benchmark run, one "label digest" line
// per output; lines starting with "#" are comments. A speed change must leave
// every output byte for byte as it was, so a changed digest is reported.
class DigestStore {
public:
    // An absent file is an empty store. Throws std::runtime_error naming the
    // file and line when a line is not "label digest".
    static DigestStore Load(const std::filesystem::path& file);

    std::optional<std::string> Find(const std::string& label) const;
    void Set(const std::string& label, const std::string& digest);

    // Writes all entries, sorted by label. Throws std::runtime_error.
    void Save(const std::filesystem::path& file) const;

private:
    std::map<std::string, std::string> digests_;
};

}  // namespace nodewick::bench
