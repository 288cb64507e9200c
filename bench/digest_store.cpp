#include "digest_store.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "output_file.h"

namespace nodewick::bench {

DigestStore DigestStore::Load(const std::filesystem::path& file)
{
    DigestStore store;
    std::ifstream in(file);
    if (!in)
        return store;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        std::string label;
        std::string digest;
        std::string extra;
        if (!(fields >> label >> digest) || (fields >> extra))
            throw std::runtime_error(file.string() + ":" + std::to_string(number) +
                                     ": expected \"label digest\", found \"" + line + "\"");
        store.digests_[label] = digest;
    }
    return store;
}

std::optional<std::string> DigestStore::Find(const std::string& label) const
{
    const auto found = digests_.find(label);
    if (found == digests_.end())
        return std::nullopt;
    return found->second;
}

void DigestStore::Set(const std::string& label, const std::string& digest)
{
    digests_[label] = digest;
}

void DigestStore::Save(const std::filesystem::path& file) const
{
    OutputFile out(file);
    out << "# Output digests (FNV-1a 64) of the benchmark's exports, written by nodewick-bench.\n"
           "# A speed change must not change any of them; see docs/performance.md.\n";
    for (const auto& [label, digest] : digests_)
        out << label << ' ' << digest << '\n';
    out.Commit();
}

}  // namespace nodewick::bench
