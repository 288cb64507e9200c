#include "base/windows1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

#include "base/error.h"

namespace nodewick {
namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::string CodePoint(char32_t character)
{
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(character), 16).ptr;
    std::string hex(digits, end);
    std::transform(hex.begin(), hex.end(), hex.begin(), [](char c) { return c >= 'a' ? char(c - 'a' + 'A') : c; });
    return "U+" + std::string(hex.size() < 4 ? 4 - hex.size() : 0, '0') + hex;
}

[[noreturn]] void ThrowNotUtf8(std::size_t offset)
{
    throw Error("the bytes at offset " + std::to_string(offset) + " are not UTF-8");
}

// Decodes the UTF-8 sequence at `at`, moving `at` past it.
char32_t DecodeOne(std::string_view utf8, std::size_t& at)
{
    const std::size_t start = at;
    const auto lead = static_cast<unsigned char>(utf8[at++]);
    if (lead < 0x80)
        return lead;
    // The lead byte tells how many continuation bytes follow; each length has
    // a smallest character, so that overlong forms are refused.
    const int continuation = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
    if (continuation == 0)
        ThrowNotUtf8(start);
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    char32_t character = lead & (0x3F >> continuation);
    for (int i = 0; i < continuation; ++i) {
        if (at >= utf8.size() || (static_cast<unsigned char>(utf8[at]) & 0xC0) != 0x80)
            ThrowNotUtf8(start);
        character = (character << 6) | (static_cast<unsigned char>(utf8[at++]) & 0x3F);
    }
    if (character < kSmallest[continuation] || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        ThrowNotUtf8(start);
    return character;
}

}  // namespace

char32_t Windows1252Character(unsigned char byte) noexcept
{
    if (byte < 0x80 || byte > 0x9F)
        return byte;
    const char32_t character = kHighControlRange[byte - 0x80];
    return character != 0 ? character : byte;
}

std::optional<unsigned char> Windows1252Byte(char32_t character) noexcept
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    const auto found = std::find(kHighControlRange.begin(), kHighControlRange.end(), character);
    // 0 in the table marks a byte without a character, never a match: NUL is
    // below 0x80 and handled above.
    if (found == kHighControlRange.end())
        return std::nullopt;
    return static_cast<unsigned char>(0x80 + (found - kHighControlRange.begin()));
}

std::string Utf8ToWindows1252(std::string_view utf8)
{
    if (std::all_of(utf8.begin(), utf8.end(), [](unsigned char c) { return c != 0 && c < 0x80; }))
        return std::string(utf8);
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        const char32_t character = DecodeOne(utf8, at);
        if (character == 0)
            throw Error("the text holds a NUL character (U+0000), which would end a DBX text field");
        const std::optional<unsigned char> byte = Windows1252Byte(character);
        if (!byte) {
            throw Error("the character " + CodePoint(character) + " \"" + std::string(utf8.substr(start, at - start)) +
                        "\" is not in Windows-1252");
        }
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}

}  // namespace nodewick
