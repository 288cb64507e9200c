#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace nodewick::design {

// A text with a character that Windows-1252 has no byte for (or bytes that
// are not UTF-8 at all). The message names the character by its code point.
class TextEncodingError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Converts UTF-8 text to the single-byte Windows-1252 text of DBX fields: the
// whole code page, including the printable characters at 0x80 to 0x9F (the
// euro sign, typographic quotes, dashes). The five byte values the code page
// leaves undefined, and the C1 control characters U+0080 to U+009F, have no
// Windows-1252 character and are refused, and so is NUL, which would end the
// text inside its field. Throws TextEncodingError.
std::string Utf8ToWindows1252(std::string_view utf8);

} // namespace nodewick::design
