#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace nodewick::dbx {

// A text field of a DBX record: a fixed number of single-byte characters,
// NUL-padded after the text. What DBX hands back is the whole field; readers
// clean it with TrimNull.
template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t capacity = N;

    // The whole field, every one of its N bytes, as DBX delivers it.
    std::string_view field() const noexcept { return {bytes_.data(), N}; }

    // Stores text and pads the rest with NULs. Text longer than the field does
    // not fit and leaves the field unchanged; the caller decides what that means.
    bool assign(std::string_view text) noexcept
    {
        if (text.size() > N)
            return false;
        text.copy(bytes_.data(), text.size());
        std::fill(bytes_.begin() + static_cast<std::ptrdiff_t>(text.size()), bytes_.end(), '\0');
        return true;
    }

    // Raw access for tests that need stray bytes after the first NUL.
    std::array<char, N>& bytes() noexcept { return bytes_; }

private:
    std::array<char, N> bytes_{};
};

inline constexpr std::size_t kTextFieldSize = 100;
inline constexpr std::size_t kAttributeValueSize = 256;

using TextField = FixedText<kTextFieldSize>;
using AttributeValueField = FixedText<kAttributeValueSize>;

}  // namespace nodewick::dbx
