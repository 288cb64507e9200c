#include "record_writer.h"

#include "short_text.h"

namespace nodewick::exporter {

void RecordLine::putLong(std::string_view text)
{
    flush();
    if (text.size() > buffer_.size()) {
        out_ += text;
        column_ += text.size();
        return;
    }
    put(text);
}

void RecordLine::putLongSpaces(std::size_t count)
{
    flush();
    out_.append(count, ' ');
    column_ += count;
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
