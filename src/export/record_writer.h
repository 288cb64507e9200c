#pragma once

#include <array>
#include <concepts>
#include <cstring>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The line writer every line of the netlist goes through. A line is a list of
// items, each with the column it starts at (columns count from 1).
namespace nodewick::exporter {

inline constexpr std::size_t kMaxItemParts = 6;

struct RecordItem {
    int column = 1;
    // An item that is not present is left out of the line altogether: it does
    // not even move the writer to its column.
    bool present = true;
    // A text item is its parts joined as they are: no quotes, no separators.
    std::array<std::string_view, kMaxItemParts> parts{};
    // A number item is written " digits " (a "-" in place of the leading
    // space when negative). A count that never got a value writes nothing.
    bool isNumber = false;
    std::optional<std::int64_t> number;
};

template <typename... Parts>
    requires(sizeof...(Parts) <= kMaxItemParts && (std::convertible_to<const Parts&, std::string_view> && ...))
constexpr RecordItem TextItem(int column, const Parts&... parts) noexcept
{
    RecordItem item;
    item.column = column;
    item.parts = {std::string_view(parts)...};
    return item;
}

template <typename... Parts>
constexpr RecordItem TextItemIf(bool present, int column, const Parts&... parts) noexcept
{
    RecordItem item = TextItem(column, parts...);
    item.present = present;
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

// One line of the netlist as it is written. The first item starts the line.
// Before each later item the writer pads with spaces up to the item's column;
// when the line already reaches past that column, it ends the line and starts
// the item on a new line, indented to its column. Text collects in a small
// buffer of its own and reaches out in one piece, so that writing a test
// record costs no more than copying its bytes.
class RecordLine {
public:
    explicit RecordLine(std::string& out) noexcept : out_(out) {}
    RecordLine(const RecordLine&) = delete;
    RecordLine& operator=(const RecordLine&) = delete;

    // A text item: its parts joined as they are, no quotes, no separators.
    template <typename... Parts>
        requires(std::convertible_to<const Parts&, std::string_view> && ...)
    RecordLine& text(int column, const Parts&... parts)
    {
        startItem(column);
        (put(std::string_view(parts)), ...);
        return *this;
    }

    // A text item whose parts are given as a list.
    RecordLine& textParts(int column, std::span<const std::string_view> parts);

    // A number item: " digits " (a "-" in place of the leading space when
    // negative); a count that never got a value writes nothing but the padding.
    RecordLine& number(int column, std::optional<std::int64_t> value);

    // Ends the line with CR LF and hands it to out.
    void end();

private:
    // Moves to the item's column: spaces up to it, or a new line indented to
    // it when the line already reaches past it. The first item starts the line
    // wherever its column.
    void startItem(int column)
    {
        const std::size_t target = static_cast<std::size_t>(column < 1 ? 1 : column);
        if (!started_) {
            started_ = true;
        } else if (column_ < target) {
            putSpaces(target - column_);
        } else if (column_ > target) {
            put(kLineEnd);
            column_ = 1;
            putSpaces(target - 1);
        }
    }

    void put(std::string_view text)
    {
        if (text.size() > buffer_.size() - used_) {
            putLong(text);
            return;
        }
        if (text.empty())
            return;  // an empty view may have no data at all, not even for memcpy
        std::memcpy(buffer_.data() + used_, text.data(), text.size());
        used_ += text.size();
        column_ += text.size();
    }

    void putSpaces(std::size_t count)
    {
        if (count > buffer_.size() - used_) {
            putLongSpaces(count);
            return;
        }
        std::memset(buffer_.data() + used_, ' ', count);
        used_ += count;
        column_ += count;
    }

    // Text or padding that does not fit what is left of the buffer.
    void putLong(std::string_view text);
    void putLongSpaces(std::size_t count);
    void flush();

    static constexpr std::string_view kLineEnd = "\r\n";

    std::string& out_;
    std::array<char, 128> buffer_;
    std::size_t used_ = 0;      // bytes of buffer_ not yet handed to out_
    std::size_t column_ = 1;    // column the next character goes to
    bool started_ = false;      // the line has its first item
};

// Appends one line to out from a list of items, ended by CR LF, as RecordLine
// lays them out.
void WriteRecord(std::string& out, std::initializer_list<RecordItem> items);

} // namespace nodewick::exporter
