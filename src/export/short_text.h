#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

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
        if (std::is_constant_evaluated()) {
            for (std::size_t i = 0; i < count; ++i)
                chars_[size_ + i] = text[i];
        } else if (count > 0) {
            std::memcpy(chars_.data() + size_, text.data(), count);
        }
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
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        return append(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }

    // The decimal digits of value, zeros in front up to width digits.
    ShortText& appendZeroFilled(std::uint64_t value, std::size_t width) noexcept
    {
        char digits[24];
        std::size_t first = sizeof digits;
        do {
            digits[--first] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (sizeof digits - first < width && first > 0)
            digits[--first] = '0';
        return append(std::string_view(digits + first, sizeof digits - first));
    }

    constexpr std::string_view view() const noexcept { return {chars_.data(), size_}; }
    constexpr operator std::string_view() const noexcept { return view(); }
    constexpr std::size_t size() const noexcept { return size_; }
    constexpr bool empty() const noexcept { return size_ == 0; }

private:
    std::array<char, N> chars_{};  // the first size_ are the text
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

}  // namespace nodewick::exporter
