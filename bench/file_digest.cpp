#include "file_digest.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

namespace nodewick::bench {
namespace {

constexpr std::uint64_t kOffsetBasis = 0xCBF29CE484222325ULL;
constexpr std::uint64_t kPrime = 0x100000001B3ULL;

}  // namespace

std::uint64_t FileDigest(const std::filesystem::path& file, const std::string& fromLineAfter)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (!in)
        throw std::runtime_error(file.string() + ": cannot open: " + std::strerror(errno));
    std::uint64_t digest = kOffsetBasis;
    bool counting = fromLineAfter.empty();
    std::size_t lineStartMatch = 0;  // characters of fromLineAfter matched at the start of this line
    bool atLineStart = true;
    std::vector<char> buffer(1 << 20);
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), in.get())) > 0) {
        for (std::size_t i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (counting) {
                digest = (digest ^ static_cast<unsigned char>(c)) * kPrime;
                continue;
            }
            if (atLineStart && lineStartMatch < fromLineAfter.size() && c == fromLineAfter[lineStartMatch])
                ++lineStartMatch;
            else
                atLineStart = false;
            if (c == '\n') {
                counting = lineStartMatch == fromLineAfter.size();
                lineStartMatch = 0;
                atLineStart = true;
            }
        }
    }
    if (std::ferror(in.get()))
        throw std::runtime_error(file.string() + ": cannot read: " + std::strerror(errno));
    return digest;
}

std::string DigestText(std::uint64_t digest)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}

}  // namespace nodewick::bench
