#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "design/pcad/lexer.h"
#include "design/pcad/reporter.h"

namespace nodewick::design::pcad {

// Lists nested deeper than this are refused: no real file comes near it, and
// it keeps every walk over the tree shallow.
inline constexpr std::size_t kMaxNesting = 200;

enum class ElementKind : std::uint8_t { List, String, Word };

// One element of the parsed file as the reader sees it: a list (its text is
// the keyword), a string (the raw text between its quotes) or a word.
struct Element {
    ElementKind kind = ElementKind::List;
    std::uint32_t line = 0;
    std::string_view text;
};

// How an element is stored: 16 bytes, flat in file order. A list's children
// follow it directly; `end` is the index just past its last descendant, so a
// walk over the children jumps from sibling to sibling. The text is an offset
// into the file's text, the kind sits in the top bits of the length.
struct StoredElement {
    std::uint32_t offset = 0;
    std::uint32_t lengthAndKind = 0;
    std::uint32_t line = 0;
    std::uint32_t end = 0;
};

class Document;

// A list of the file: its keyword and its children.
class ListView {
public:
    ListView(const Document& document, std::uint32_t index) noexcept : document_(&document), index_(index) { }

    std::string_view keyword() const noexcept;
    std::uint32_t line() const noexcept;
    bool is(std::string_view keyword) const noexcept;

    class Iterator {
    public:
        Iterator(const Document& document, std::uint32_t index) noexcept : document_(&document), index_(index) { }
        Element operator*() const noexcept;
        Iterator& operator++() noexcept;
        bool operator!=(const Iterator& other) const noexcept { return index_ != other.index_; }
        std::uint32_t index() const noexcept { return index_; }

    private:
        const Document* document_;
        std::uint32_t index_;
    };

    Iterator begin() const noexcept;
    Iterator end() const noexcept;

    // The lists directly inside this one, in file order; the strings and
    // words between them are passed over.
    class ChildLists {
    public:
        class Iterator {
        public:
            Iterator(ListView::Iterator at, ListView::Iterator end, const Document& document) noexcept
                : at_(at), end_(end), document_(&document)
            {
                skipNonLists();
            }
            ListView operator*() const noexcept { return {*document_, at_.index()}; }
            Iterator& operator++() noexcept
            {
                ++at_;
                skipNonLists();
                return *this;
            }
            bool operator!=(const Iterator& other) const noexcept { return at_ != other.at_; }

        private:
            void skipNonLists() noexcept
            {
                while (at_ != end_ && (*at_).kind != ElementKind::List)
                    ++at_;
            }

            ListView::Iterator at_;
            ListView::Iterator end_;
            const Document* document_;
        };

        ChildLists(ListView::Iterator first, ListView::Iterator last, const Document& document) noexcept
            : first_(first), last_(last), document_(&document)
        {
        }
        Iterator begin() const noexcept { return {first_, last_, *document_}; }
        Iterator end() const noexcept { return {last_, last_, *document_}; }

    private:
        ListView::Iterator first_;
        ListView::Iterator last_;
        const Document* document_;
    };

    ChildLists lists() const noexcept { return {begin(), end(), *document_}; }

    // The child list at an iterator's place (the element must be a list).
    ListView child(const Iterator& at) const noexcept { return {*document_, at.index()}; }
    // The first child list with this keyword.
    std::optional<ListView> find(std::string_view keyword) const noexcept;

private:
    const Document* document_;
    std::uint32_t index_;
};

// The whole file as a tree of lists, strings and words that point into the
// file's text (which must outlive it). Lists whose content the reader never
// needs (drawing graphics, print and output settings) are checked for balance
// and kept as empty lists, so a board full of copper pours costs little memory.
class Document {
public:
    static Document Parse(std::string_view text, const Reporter& reporter);

    // The top level: an unnamed list holding the file's forms.
    ListView root() const noexcept { return {*this, 0}; }

    std::size_t size() const noexcept { return elements_.size(); }
    Element at(std::uint32_t index) const noexcept;
    std::uint32_t endOf(std::uint32_t index) const noexcept { return elements_[index].end; }

private:
    friend class DocumentBuilder;

    std::string_view text_;
    std::vector<StoredElement> elements_;
};

}  // namespace nodewick::design::pcad
