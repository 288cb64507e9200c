#include "design/json/tracked_input.h"

#include <cstring>
#include <utility>

namespace nodewick::design {
namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 16;

}  // namespace

TrackedInput::TrackedInput(Source source) : source_(std::move(source)), buffer_(kBufferSize)
{
    setg(buffer_.data(), buffer_.data(), buffer_.data());
    counted_ = buffer_.data();
}

void TrackedInput::countUpTo(const char* end)
{
    while (counted_ < end) {
        const void* lineFeed = std::memchr(counted_, '\n', static_cast<std::size_t>(end - counted_));
        if (lineFeed == nullptr) {
            position_.column += static_cast<std::uint64_t>(end - counted_);
            counted_ = end;
            return;
        }
        ++position_.line;
        position_.column = 0;
        counted_ = static_cast<const char*>(lineFeed) + 1;
    }
}

TextPosition TrackedInput::position()
{
    countUpTo(gptr());
    return position_;
}

TrackedInput::int_type TrackedInput::underflow()
{
    countUpTo(egptr());
    const std::size_t got = source_(buffer_.data(), buffer_.size());
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    counted_ = buffer_.data();
    return got == 0 ? traits_type::eof() : traits_type::to_int_type(buffer_[0]);
}

}  // namespace nodewick::design
