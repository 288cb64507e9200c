#include "design/pcad/document.h"

#include "design/pcad/forms.h"

#include <array>
#include <limits>
#include <string>

namespace nodewick::design::pcad {
namespace {

constexpr std::uint32_t kKindShift = 30;
constexpr std::uint32_t kLengthMask = (std::uint32_t{1} << kKindShift) - 1;

}  // namespace

class DocumentBuilder {
public:
    DocumentBuilder(Document& document, Lexer& lexer, const Reporter& reporter) noexcept
        : elements_(document.elements_), base_(document.text_.data()), lexer_(lexer), reporter_(reporter)
    {
    }

    void build(bool wrapped, std::uint32_t firstLine)
    {
        elements_.push_back({0, 0, firstLine, 0});
        open_.push_back(0);
        bool closedByWrapper = false;
        for (Token token = lexer_.next(); token.kind != TokenKind::End; token = lexer_.next()) {
            if (closedByWrapper)
                reporter_.fail(token.line, "text after the parenthesis that closes the file");
            switch (token.kind) {
            case TokenKind::Open:
                openList(token);
                break;
            case TokenKind::Close:
                if (open_.size() == 1) {
                    if (!wrapped)
                        reporter_.fail(token.line, "a closing parenthesis without an opening one");
                    closedByWrapper = true;
                } else {
                    closeList();
                }
                break;
            case TokenKind::String:
            case TokenKind::Word:
                push(token.kind == TokenKind::String ? ElementKind::String : ElementKind::Word, token);
                break;
            case TokenKind::End:
                break;
            }
        }
        if (open_.size() > 1) {
            const StoredElement& list = elements_[open_.back()];
            reporter_.fail(list.line,
                           "the list " + std::string(textOf(list)) + " is not closed before the end of the file");
        }
        if (wrapped && !closedByWrapper)
            reporter_.fail(firstLine, "the parenthesis before the header is not closed at the end of the file");
        elements_[0].end = index();
    }

private:
    std::uint32_t index() const
    {
        if (elements_.size() >= std::numeric_limits<std::uint32_t>::max())
            reporter_.fail(0, "too many elements in the file");
        return static_cast<std::uint32_t>(elements_.size());
    }

    void push(ElementKind kind, const Token& token)
    {
        const std::uint32_t at = index();
        if (token.text.size() > kLengthMask)
            reporter_.fail(token.line, "a string or word is longer than 1 GiB");
        const auto offset = static_cast<std::uint32_t>(token.text.data() - base_);
        const auto length = static_cast<std::uint32_t>(token.text.size());
        elements_.push_back({offset, length | (static_cast<std::uint32_t>(kind) << kKindShift), token.line, at + 1});
    }

    std::string_view textOf(const StoredElement& element) const noexcept
    {
        return {base_ + element.offset, element.lengthAndKind & kLengthMask};
    }

    Token keywordAfter(const Token& open)
    {
        const Token keyword = lexer_.next();
        if (keyword.kind != TokenKind::Word)
            reporter_.fail(open.line, "a list must start with a keyword");
        return keyword;
    }

    void openList(const Token& open)
    {
        if (open_.size() > kMaxNesting)
            reporter_.fail(open.line, "lists are nested too deeply");
        Token keyword = keywordAfter(open);
        keyword.line = open.line;
        const std::uint32_t at = index();
        push(ElementKind::List, keyword);
        if (IsUnreadForm(keyword.text))
            skipContent(keyword);
        else
            open_.push_back(at);
    }

    // Reads past the rest of a list without storing it, checking only that
    // its parentheses balance and its nesting stays within bounds.
    void skipContent(const Token& list)
    {
        std::size_t depth = 1;
        while (depth > 0) {
            const Token token = lexer_.next();
            switch (token.kind) {
            case TokenKind::Open:
                if (open_.size() + depth > kMaxNesting)
                    reporter_.fail(token.line, "lists are nested too deeply");
                keywordAfter(token);
                ++depth;
                break;
            case TokenKind::Close:
                --depth;
                break;
            case TokenKind::End:
                reporter_.fail(list.line,
                               "the list " + std::string(list.text) + " is not closed before the end of the file");
            case TokenKind::String:
            case TokenKind::Word:
                break;
            }
        }
    }

    void closeList()
    {
        elements_[open_.back()].end = index();
        open_.pop_back();
    }

    std::vector<StoredElement>& elements_;
    const char* base_;
    Lexer& lexer_;
    const Reporter& reporter_;
    std::vector<std::uint32_t> open_;
};

Element Document::at(std::uint32_t index) const noexcept
{
    const StoredElement& stored = elements_[index];
    return {static_cast<ElementKind>(stored.lengthAndKind >> kKindShift), stored.line,
            text_.substr(stored.offset, stored.lengthAndKind & kLengthMask)};
}

std::string_view ListView::keyword() const noexcept
{
    return document_->at(index_).text;
}

std::uint32_t ListView::line() const noexcept
{
    return document_->at(index_).line;
}

bool ListView::is(std::string_view keyword) const noexcept
{
    return EqualsIgnoringCase(this->keyword(), keyword);
}

Element ListView::Iterator::operator*() const noexcept
{
    return document_->at(index_);
}

ListView::Iterator& ListView::Iterator::operator++() noexcept
{
    index_ = document_->endOf(index_);
    return *this;
}

ListView::Iterator ListView::begin() const noexcept
{
    return {*document_, index_ + 1};
}

ListView::Iterator ListView::end() const noexcept
{
    return {*document_, document_->endOf(index_)};
}

std::optional<ListView> ListView::find(std::string_view keyword) const noexcept
{
    for (const ListView child : lists()) {
        if (child.is(keyword))
            return child;
    }
    return std::nullopt;
}

Document Document::Parse(std::string_view text, const Reporter& reporter)
{
    const HeaderLine header = ReadHeaderLine(text, reporter);
    if (text.size() >= std::numeric_limits<std::uint32_t>::max())
        reporter.fail(header.bodyLine, "the file is 4 GiB or larger, more than the reader can hold");
    Lexer lexer(text, header.bodyOffset, header.bodyLine, reporter);
    Document document;
    document.text_ = text;
    // Real files hold about one element per ten bytes; reserving that much
    // spares the copies of a growing vector on a large board.
    document.elements_.reserve(text.size() / 10);
    DocumentBuilder(document, lexer, reporter).build(header.wrapped, header.bodyLine);
    return document;
}

}  // namespace nodewick::design::pcad
