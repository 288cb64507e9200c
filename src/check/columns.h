#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// A netlist line seen by its columns, counted from 1 as the format counts
// them. Columns past the end of the line read as blank, so a record that
// stops early simply has blank optional fields.
namespace nodewick::check {

class Columns {
public:
    explicit Columns(std::string_view line) noexcept : line_(line) { }

    std::string_view line() const noexcept { return line_; }
    int width() const noexcept { return static_cast<int>(line_.size()); }

    char at(int column) const noexcept
    {
        const auto index = static_cast<std::size_t>(column - 1);
        return column >= 1 && index < line_.size() ? line_[index] : ' ';
    }

    // Columns first to last, both included, clipped to the line.
    std::string_view span(int first, int last) const noexcept
    {
        const auto begin = std::min(static_cast<std::size_t>(first - 1), line_.size());
        const auto end = std::min(static_cast<std::size_t>(last), line_.size());
        return begin < end ? line_.substr(begin, end - begin) : std::string_view{};
    }

    bool blank(int first, int last) const noexcept
    {
        const std::string_view text = span(first, last);
        return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
    }

    // The first column from first to last that is not blank; 0 when all are.
    int firstNonBlank(int first, int last) const noexcept
    {
        for (int column = first; column <= last; ++column)
            if (at(column) != ' ')
                return column;
        return 0;
    }

private:
    std::string_view line_;
};

inline bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

inline std::string_view TrimRight(std::string_view text) noexcept
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

inline std::string_view Trim(std::string_view text) noexcept
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return TrimRight(text);
}

}  // namespace nodewick::check
