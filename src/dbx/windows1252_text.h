#pragma once

#include <string>
#include <string_view>

namespace nodewick::dbx {

// DBX text fields hold single-byte Windows-1252 text. This gives the same
// text in UTF-8. The five byte values the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number,
// as Windows itself converts them; IsDefinedWindows1252 tells them apart.
std::string Windows1252ToUtf8(std::string_view text);

// False for the five byte values Windows-1252 has no character for.
constexpr bool IsDefinedWindows1252(unsigned char byte) noexcept
{
    return byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D;
}

}  // namespace nodewick::dbx
