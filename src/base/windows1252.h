#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252, the single-byte code page of every DBX text field: the one
// table of it, for the design readers (UTF-8 in) and the window (Unicode
// shown and typed).
namespace nodewick {

// The character a byte stands for. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control character
// of the same number, as Windows itself maps them.
char32_t Windows1252Character(unsigned char byte) noexcept;

// The byte of a character of the code page; nothing for a character it has
// no byte for, the C1 control characters U+0080 to U+009F included.
std::optional<unsigned char> Windows1252Byte(char32_t character) noexcept;

// Converts UTF-8 text to the single-byte Windows-1252 text of DBX fields: the
// whole code page, including the printable characters at 0x80 to 0x9F (the
// euro sign, typographic quotes, dashes). A character without a byte, bytes
// that are not UTF-8, and NUL (which would end the text inside its field)
// throw nodewick::Error whose message is the reason alone, for the caller to
// place.
std::string Utf8ToWindows1252(std::string_view utf8);

}  // namespace nodewick
