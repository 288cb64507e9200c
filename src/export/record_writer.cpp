#include "record_writer.h"

#include "short_text.h"

namespace nodewick::exporter {
namespace {

inline constexpr std::string_view kLineEnd = "\r\n";

// Keeps the column of the line being written, 1 at its start.
class Line {
public:
    explicit Line(std::string& out) : out_(out), start_(out.size()) {}

    void moveTo(int column)
    {
        const std::size_t target = static_cast<std::size_t>(column < 1 ? 1 : column);
        const std::size_t current = out_.size() - start_ + 1;
        if (current < target) {
            out_.append(target - current, ' ');
        } else if (current > target) {
            out_ += kLineEnd;
            start_ = out_.size();
            out_.append(target - 1, ' ');
        }
    }

    void write(const RecordItem& item)
    {
        if (!item.isNumber) {
            for (std::string_view part : item.parts)
                out_ += part;
        } else if (item.number) {
            out_ += *item.number < 0 ? '-' : ' ';
            const std::int64_t magnitude = *item.number < 0 ? -*item.number : *item.number;
            out_ += Decimal(magnitude).view();
            out_ += ' ';
        }
    }

    void end() { out_ += kLineEnd; }

private:
    std::string& out_;
    std::size_t start_;
};

} // namespace

void WriteRecord(std::string& out, std::initializer_list<RecordItem> items)
{
    Line line(out);
    bool first = true;
    for (const RecordItem& item : items) {
        if (!item.present)
            continue;
        if (!first)
            line.moveTo(item.column);
        first = false;
        line.write(item);
    }
    line.end();
}

} // namespace nodewick::exporter
