#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "line_sink.h"

// The line writer every line of the netlist goes through. A line is a list of
// items, each with the column it starts at (columns count from 1). The first
// item starts the line. Before each later item the writer pads with spaces up
// to the item's column; when the line already reaches past that column, it
// breaks the line (CR LF) and starts the item on the new line, indented to its
// column.
namespace nodewick::exporter {

inline constexpr std::size_t kMaxItemParts = 6;

struct RecordItem {
    int column = 1;
    // A text item is its parts joined as they are: no quotes, no separators.
    std::array<std::string_view, kMaxItemParts> parts{};
    // A number item is written " digits " (a "-" in place of the leading
    // space when negative). A count that never got a value writes nothing.
    bool isNumber = false;
    std::optional<std::int64_t> number;
};

template <typename... Parts>
requires(sizeof...(Parts) <= kMaxItemParts &&
         (std::convertible_to<const Parts&, std::string_view> && ...)) constexpr RecordItem
    TextItem(int column, const Parts&... parts) noexcept
{
    RecordItem item;
    item.column = column;
    item.parts = {std::string_view(parts)...};
    return item;
}

constexpr RecordItem NumberItem(int column, std::optional<std::int64_t> value) noexcept
{
    RecordItem item;
    item.column = column;
    item.isNumber = true;
    item.number = value;
    return item;
}

// Lays items out into one line of text, without its line end. The text goes
// into a string the caller owns, so that a run of a million records reuses
// one buffer.
class RecordLine {
public:
    // Starts a new line in `line`, replacing what it held.
    explicit RecordLine(std::string& line) noexcept : line_(line) { line_.clear(); }
    RecordLine(const RecordLine&) = delete;
    RecordLine& operator=(const RecordLine&) = delete;

    template <typename... Parts>
    requires(std::convertible_to<const Parts&, std::string_view>&&...) RecordLine& text(int column,
                                                                                        const Parts&... parts)
    {
        startItem(column);
        (line_.append(std::string_view(parts)), ...);
        return *this;
    }

    RecordLine& textParts(int column, std::span<const std::string_view> parts);

    RecordLine& number(int column, std::optional<std::int64_t> value);

private:
    void startItem(int column);

    std::string& line_;
    std::size_t rowStart_ = 0;  // where the row after the last break begins
    bool started_ = false;      // the line has its first item
};

// Hands one line made of these items to the sink.
void WriteRecord(LineSink& sink, std::initializer_list<RecordItem> items);

}  // namespace nodewick::exporter
