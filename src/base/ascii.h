#pragma once

#include <string>
#include <string_view>

// Case without regard to the code page: only the ASCII letters fold, every
// other byte stays as it is (file keywords, units, the sort order of net
// names).
namespace nodewick {

constexpr char LowerAscii(char c) noexcept
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

// The text with its ASCII letters in lower case: a key for such matches.
inline std::string LowerCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = LowerAscii(c);
    return folded;
}

}  // namespace nodewick
