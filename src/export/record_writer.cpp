#include "record_writer.h"

#include <cstring>

#include "short_text.h"

namespace nodewick::exporter {
namespace {

inline constexpr std::string_view kLineEnd = "\r\n";

} // namespace

void RecordLine::startItem(int column)
{
    const std::size_t target = static_cast<std::size_t>(column < 1 ? 1 : column);
    if (!started_) {
        started_ = true;
        return;
    }
    if (column_ < target) {
        putSpaces(target - column_);
    } else if (column_ > target) {
        put(kLineEnd);
        column_ = 1;
        putSpaces(target - 1);
    }
}

void RecordLine::put(std::string_view text)
{
    if (text.size() > buffer_.size() - used_) {
        flush();
        if (text.size() > buffer_.size()) {
            out_ += text;
            column_ += text.size();
            return;
        }
    }
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
    column_ += text.size();
}

void RecordLine::putSpaces(std::size_t count)
{
    while (count > 0) {
        if (used_ == buffer_.size())
            flush();
        const std::size_t chunk = std::min(count, buffer_.size() - used_);
        std::memset(buffer_.data() + used_, ' ', chunk);
        used_ += chunk;
        column_ += chunk;
        count -= chunk;
    }
}

void RecordLine::flush()
{
    out_.append(buffer_.data(), used_);
    used_ = 0;
}

RecordLine& RecordLine::textParts(int column, std::span<const std::string_view> parts)
{
    startItem(column);
    for (std::string_view part : parts)
        put(part);
    return *this;
}

RecordLine& RecordLine::number(int column, std::optional<std::int64_t> value)
{
    startItem(column);
    if (value) {
        const std::int64_t magnitude = *value < 0 ? -*value : *value;
        put(*value < 0 ? "-" : " ");
        put(Decimal(magnitude).view());
        put(" ");
    }
    return *this;
}

void RecordLine::end()
{
    put(kLineEnd);
    flush();
}

void WriteRecord(std::string& out, std::initializer_list<RecordItem> items)
{
    RecordLine line(out);
    for (const RecordItem& item : items) {
        if (!item.present)
            continue;
        if (item.isNumber) {
            line.number(item.column, item.number);
            continue;
        }
        line.textParts(item.column, item.parts);
    }
    line.end();
}

} // namespace nodewick::exporter
