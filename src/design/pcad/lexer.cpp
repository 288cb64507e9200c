#include "design/pcad/lexer.h"

#include <array>

namespace nodewick::design::pcad {
namespace {

constexpr std::array<std::string_view, 3> kHeaderKeywords = {"ACCEL_ASCII", "PCAD_ASCII", "TangoPRO_ASCII"};

bool IsSpace(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool EndsWord(char c) noexcept
{
    return IsSpace(c) || c == '(' || c == ')' || c == '"';
}

// Where the header keyword starts, after a byte order mark, blank lines and
// an optional outer parenthesis; counts the lines passed.
struct HeaderStart {
    std::size_t keyword = 0;
    std::uint32_t line = 1;
    bool wrapped = false;
};

HeaderStart FindHeaderStart(std::string_view text) noexcept
{
    HeaderStart start;
    // A UTF-8 byte order mark, put there by an editor, is no part of the file.
    std::size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < text.size() && (IsSpace(text[pos]) || (text[pos] == '(' && !start.wrapped))) {
        if (text[pos] == '\n')
            ++start.line;
        if (text[pos] == '(')
            start.wrapped = true;
        ++pos;
    }
    start.keyword = pos;
    return start;
}

std::string_view HeaderKeyword(std::string_view text, std::size_t at) noexcept
{
    std::size_t end = at;
    while (end < text.size() && !EndsWord(text[end]))
        ++end;
    const std::string_view word = text.substr(at, end - at);
    for (std::string_view keyword : kHeaderKeywords) {
        if (EqualsIgnoringCase(word, keyword))
            return word;
    }
    return {};
}

}  // namespace

bool LooksLikePcadAscii(std::string_view text) noexcept
{
    const HeaderStart start = FindHeaderStart(text);
    return !HeaderKeyword(text, start.keyword).empty();
}

HeaderLine ReadHeaderLine(std::string_view text, const Reporter& reporter)
{
    const HeaderStart start = FindHeaderStart(text);
    const std::string_view keyword = HeaderKeyword(text, start.keyword);
    if (keyword.empty())
        reporter.fail(start.line, "not a P-CAD ASCII file: the first line must start with ACCEL_ASCII");

    HeaderLine header;
    header.wrapped = start.wrapped;
    header.bodyLine = start.line;
    std::size_t pos = start.keyword + keyword.size();
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    if (pos < text.size() && text[pos] == '"') {
        // The saved path is raw: backslashes are path separators, not escapes.
        const std::size_t close = text.find_first_of("\"\n", pos + 1);
        if (close == std::string_view::npos || text[close] != '"')
            reporter.fail(start.line, "the path on the header line has no closing quote");
        header.savedPath = text.substr(pos + 1, close - pos - 1);
        pos = close + 1;
    }
    header.bodyOffset = pos;
    return header;
}

void Lexer::skipWhitespace() noexcept
{
    while (pos_ < text_.size() && IsSpace(text_[pos_])) {
        if (text_[pos_] == '\n')
            ++line_;
        ++pos_;
    }
}

Token Lexer::next()
{
    skipWhitespace();
    if (pos_ >= text_.size())
        return {TokenKind::End, {}, line_};
    const char c = text_[pos_];
    if (c == '(' || c == ')') {
        ++pos_;
        return {c == '(' ? TokenKind::Open : TokenKind::Close, text_.substr(pos_ - 1, 1), line_};
    }
    if (c == '"')
        return readString();
    return readWord();
}

Token Lexer::readString()
{
    const std::uint32_t startLine = line_;
    const std::size_t first = ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"') {
        if (text_[pos_] == '\\' && pos_ + 1 < text_.size())
            ++pos_;
        if (text_[pos_] == '\n')
            ++line_;
        ++pos_;
    }
    if (pos_ >= text_.size())
        reporter_.fail(startLine, "a quoted string is not closed before the end of the file");
    ++pos_;
    return {TokenKind::String, text_.substr(first, pos_ - 1 - first), startLine};
}

Token Lexer::readWord() noexcept
{
    const std::size_t first = pos_;
    while (pos_ < text_.size() && !EndsWord(text_[pos_]))
        ++pos_;
    return {TokenKind::Word, text_.substr(first, pos_ - first), line_};
}

std::string Unescape(std::string_view raw)
{
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c == '\\' && i + 1 < raw.size()) {
            c = raw[++i];
            if (c == 'r')
                c = '\r';
            else if (c == 'n')
                c = '\n';
        }
        text += c;
    }
    return text;
}

}  // namespace nodewick::design::pcad
