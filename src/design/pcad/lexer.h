#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/ascii.h"
#include "design/pcad/reporter.h"

namespace nodewick::design::pcad {

enum class TokenKind : std::uint8_t { Open, Close, String, Word, End };

// One token of the file, pointing into the file's text. A string token holds
// the bytes between its quotes as written, escapes and all.
struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;
    std::uint32_t line = 0;
};

// The first line of a P-CAD ASCII file: ACCEL_ASCII (or PCAD_ASCII,
// TangoPRO_ASCII) and the Windows path the file was saved under, written raw.
struct HeaderLine {
    std::string_view savedPath;
    std::size_t bodyOffset = 0;  // where the parenthesised forms start
    std::uint32_t bodyLine = 1;  // the line they start on
    bool wrapped = false;        // the whole file sits inside one outer ( ... )
};

// True when the text starts like a P-CAD ASCII file (a byte order mark, blank
// lines and an outer parenthesis allowed before the header keyword).
bool LooksLikePcadAscii(std::string_view text) noexcept;

HeaderLine ReadHeaderLine(std::string_view text, const Reporter& reporter);

// Splits the text after the header line into tokens, in place.
class Lexer {
public:
    Lexer(std::string_view text, std::size_t offset, std::uint32_t line, const Reporter& reporter) noexcept
        : text_(text), pos_(offset), line_(line), reporter_(reporter)
    {
    }

    Token next();

private:
    void skipWhitespace() noexcept;
    Token readString();
    Token readWord() noexcept;

    std::string_view text_;
    std::size_t pos_;
    std::uint32_t line_;
    const Reporter& reporter_;
};

// The text a string token stands for: \\ is a backslash, \r and \n are CR and
// LF, and a backslash before any other byte gives that byte. Bytes are kept
// as they are, never transcoded.
std::string Unescape(std::string_view raw);

// Keywords, enumeration words and units compare without regard to case
// (base/ascii.h).

}  // namespace nodewick::design::pcad
