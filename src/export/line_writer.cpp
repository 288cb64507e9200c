#include "line_writer.h"

#include "short_text.h"

namespace nodewick::exporter {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

void RecordLine::startItem(int column)
{
    const std::size_t target = static_cast<std::size_t>(column < 1 ? 1 : column);
    const std::size_t current = line_.size() - rowStart_ + 1;
    if (!started_) {
        started_ = true;
    } else if (current < target) {
        line_.append(target - current, ' ');
    } else if (current > target) {
        line_.append(kLineBreak);
        rowStart_ = line_.size();
        line_.append(target - 1, ' ');
    }
}

RecordLine& RecordLine::textParts(int column, std::span<const std::string_view> parts)
{
    startItem(column);
    for (std::string_view part : parts)
        line_.append(part);
    return *this;
}

RecordLine& RecordLine::number(int column, std::optional<std::int64_t> value)
{
    startItem(column);
    if (value) {
        const std::int64_t magnitude = *value < 0 ? -*value : *value;
        line_.append(*value < 0 ? "-" : " ");
        line_.append(Decimal(magnitude).view());
        line_.append(" ");
    }
    return *this;
}

void WriteRecord(LineSink& sink, std::initializer_list<RecordItem> items)
{
    std::string text;
    RecordLine line(text);
    for (const RecordItem& item : items) {
        if (item.isNumber)
            line.number(item.column, item.number);
        else
            line.textParts(item.column, item.parts);
    }
    sink.Write(text);
}

}  // namespace nodewick::exporter
