#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace nodewick::exporter {

// A short text of at most N characters held in place, so that formatting a
// record field needs no heap. Text beyond the capacity is dropped; callers
// size N for the longest field they build.
template <std::size_t N>
class ShortText {
public:
    constexpr ShortText() = default;
    constexpr ShortText(std::string_view text) noexcept { append(text); }

    constexpr ShortText& append(std::string_view text) noexcept
    {
        const std::size_t room = N - size_;
        const std::size_t count = text.size() < room ? text.size() : room;
        for (std::size_t i = 0; i < count; ++i)
            chars_[size_ + i] = text[i];
        size_ += count;
        return *this;
    }

    constexpr ShortText& append(char c, std::size_t count = 1) noexcept
    {
        for (; count > 0 && size_ < N; --count)
            chars_[size_++] = c;
        return *this;
    }

    // Plain decimal: digits, with a leading "-" when negative.
    ShortText& appendDecimal(std::int64_t value) noexcept
    {
        char digits[24]{};
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        return append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }

    constexpr std::string_view view() const noexcept { return {chars_.data(), size_}; }
    constexpr operator std::string_view() const noexcept { return view(); }
    constexpr std::size_t size() const noexcept { return size_; }
    constexpr bool empty() const noexcept { return size_ == 0; }

private:
    std::array<char, N> chars_{};
    std::size_t size_ = 0;
};

// The plain decimal text of a whole number.
using DecimalText = ShortText<20>;

inline DecimalText Decimal(std::int64_t value) noexcept
{
    DecimalText text;
    text.appendDecimal(value);
    return text;
}

} // namespace nodewick::exporter
