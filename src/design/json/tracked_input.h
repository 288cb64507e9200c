#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <streambuf>
#include <vector>

namespace nodewick::design {

// A place in a text file: line and column from 1, columns in bytes.
struct TextPosition {
    std::uint64_t line = 1;
    std::uint64_t column = 0;
};

// The bytes of a design file as the JSON parser takes them, one buffer at a
// time, with the line and column the parser has reached, so that every
// message can say where in the file it is. Lines are counted only up to the
// place asked for, once each: the count costs one pass over the text.
class TrackedInput : public std::streambuf {
public:
    // Fills a buffer with up to `capacity` bytes; 0 at the end.
    using Source = std::function<std::size_t(char* buffer, std::size_t capacity)>;

    explicit TrackedInput(Source source);

    // The place of the last byte the parser took (column 0: none of its line).
    TextPosition position();

protected:
    int_type underflow() override;

private:
    void countUpTo(const char* end);

    Source source_;
    std::vector<char> buffer_;
    const char* counted_ = nullptr;
    TextPosition position_;
};

}  // namespace nodewick::design
