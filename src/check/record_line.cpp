#include "record_line.h"

#include <charconv>
#include <string>

#include "columns.h"

namespace nodewick::check {
namespace {

// Columns of the fixed-column test record.
constexpr int kNetFirst = 4;
constexpr int kNetLast = 17;
constexpr int kRefDesFirst = 21;
constexpr int kRefDesLast = 26;
constexpr int kDash = 27;
constexpr int kPinFirst = 28;
constexpr int kPinLast = 31;
constexpr int kMidPoint = 32;
constexpr int kDrill = 33;
constexpr int kPlated = 38;
constexpr int kAccess = 39;
constexpr int kX = 42;
constexpr int kY = 50;
constexpr int kSize = 58;
constexpr int kSizeY = 63;
constexpr int kRotation = 68;
constexpr int kRotationLast = 72;
constexpr int kSoldermask = 73;
constexpr int kLayers = 75;
constexpr int kLastColumn = 80;

std::string Quoted(char c)
{
    return c == ' ' ? std::string("a blank") : std::string("'") + c + "'";
}

std::string ColumnRange(int first, int last)
{
    return "columns " + std::to_string(first) + "-" + std::to_string(last);
}

// Reads the fields of one line, putting a finding at the column of every
// fault it meets.
class FieldReader {
public:
    FieldReader(const Columns& columns, std::int64_t line, Findings& findings)
        : c_(columns), line_(line), findings_(findings)
    {
    }

    // Once a field is found shifted, the fields after it are shifted too;
    // the first one is reported, not each of them.
    void error(int column, std::string message)
    {
        if (!shifted_)
            findings_.error(line_, column, std::move(message));
    }
    void warning(int column, std::string message)
    {
        if (!shifted_)
            findings_.warning(line_, column, std::move(message));
    }

    // The letter that opens a field. When it stands a few columns off, the
    // finding says where it is, so that a shifted field is told from a
    // missing one.
    bool letter(int column, char expected, std::string_view field)
    {
        if (c_.at(column) == expected)
            return true;
        for (int distance = 1; distance <= 3; ++distance) {
            for (const int near : {column - distance, column + distance}) {
                if (near > 0 && c_.at(near) == expected) {
                    error(near,
                          std::string(field) + " starts in column " + std::to_string(near) + "; its '" + expected +
                              "' belongs in column " + std::to_string(column));
                    shifted_ = true;
                    return false;
                }
            }
        }
        error(column,
              "column " + std::to_string(column) + " holds " + Quoted(c_.at(column)) + " where " + std::string(field) +
                  " begins with '" + expected + "'");
        return false;
    }

    void markShifted() noexcept { shifted_ = true; }

    std::optional<std::int64_t> digits(int first, int last, std::string_view field)
    {
        std::int64_t value = 0;
        for (int column = first; column <= last; ++column) {
            const char c = c_.at(column);
            if (!IsDigit(c)) {
                error(column,
                      Quoted(c) + " in column " + std::to_string(column) + ": " + std::string(field) +
                          " takes digits only, in " + ColumnRange(first, last));
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
        }
        return value;
    }

    // A sign column: blank or "+" for a positive value, "-" for a negative one.
    std::optional<int> sign(int column, std::string_view coordinate)
    {
        switch (c_.at(column)) {
        case ' ':
        case '+':
            return 1;
        case '-':
            return -1;
        default:
            error(column,
                  Quoted(c_.at(column)) + " in column " + std::to_string(column) + ": the sign of " +
                      std::string(coordinate) + " is blank, '+' or '-'");
            return std::nullopt;
        }
    }

    std::optional<std::int64_t> coordinate(int letterColumn, char axis)
    {
        const std::string field = std::string("the ") + axis + " location";
        if (!letter(letterColumn, axis, field))
            return std::nullopt;
        const std::optional<int> sign = this->sign(letterColumn + 1, field);
        const std::optional<std::int64_t> magnitude = digits(letterColumn + 2, letterColumn + 7, field);
        if (!sign || !magnitude)
            return std::nullopt;
        return *sign * *magnitude;
    }

private:
    const Columns& c_;
    std::int64_t line_;
    Findings& findings_;
    bool shifted_ = false;
};

std::optional<RecordKind> KindOf(std::string_view code)
{
    if (code == "317")
        return RecordKind::ThroughHole;
    if (code == "327")
        return RecordKind::Surface;
    if (code == "307")
        return RecordKind::BlindBuried;
    if (code == "367")
        return RecordKind::Tooling;
    return std::nullopt;
}

void ReadNames(const Columns& c, FieldReader& fields, RecordLine& read)
{
    TestRecord& record = read.record;
    const std::string_view net = c.span(kNetFirst, kNetLast);
    read.netField = Trim(net);
    read.netColumn = c.firstNonBlank(kNetFirst, kNetLast);
    if (read.netColumn > kNetFirst)
        fields.warning(read.netColumn,
                       "the net name starts in column " + std::to_string(read.netColumn) + "; it belongs in column 4");
    if (read.netColumn == 0)
        read.netColumn = kNetFirst;
    if (const int spill = c.firstNonBlank(kNetLast + 1, kRefDesFirst - 1))
        fields.error(spill,
                     "the net name runs past column 17 into column " + std::to_string(spill) +
                         "; a longer name needs an alias (NNAME)");

    record.refDes = Trim(c.span(kRefDesFirst, kRefDesLast));
    if (c.width() >= kDash && c.at(kDash) != '-')
        fields.error(kDash,
                     "column 27 holds " + Quoted(c.at(kDash)) +
                         " where the '-' between reference designator and pin belongs");

    record.pin = TrimRight(c.span(kPinFirst, kPinLast));
    const char mid = c.at(kMidPoint);
    if (mid == 'M') {
        record.midPoint = true;
    } else if (mid != ' ') {
        if (record.isVia())
            fields.error(kMidPoint, "column 32 holds " + Quoted(mid) + "; only the mid-point mark 'M' belongs there");
        else
            record.pin = TrimRight(c.span(kPinFirst, kMidPoint));  // a pin of five characters
    }
}

void ReadDrill(const Columns& c, FieldReader& fields, TestRecord& record)
{
    if (c.blank(kDrill, kPlated))
        return;
    if (!fields.letter(kDrill, 'D', "the drill"))
        return;
    record.drill = fields.digits(kDrill + 1, kPlated - 1, "the drill diameter");
    switch (c.at(kPlated)) {
    case 'P':
        record.plated = true;
        break;
    case 'U':
        record.plated = false;
        break;
    default:
        fields.error(kPlated,
                     "column 38 holds " + Quoted(c.at(kPlated)) + " where 'P' (plated) or 'U' (unplated) belongs");
    }
}

void ReadAccess(const Columns& c, FieldReader& fields, TestRecord& record)
{
    if (!fields.letter(kAccess, 'A', "the access code"))
        return;
    if (const std::optional<std::int64_t> access = fields.digits(kAccess + 1, kAccess + 2, "the access code"))
        record.access = static_cast<std::int32_t>(*access);
    if (record.kind == RecordKind::Surface && record.access == 0 && IsDigit(c.at(kAccess + 1)) &&
        IsDigit(c.at(kAccess + 2)))
        fields.error(kAccess + 1,
                     "bad access code 00 on a surface record: a surface test point is reached from one "
                     "side, 01 for the top or the bottom layer's number");
}

void ReadSize(const Columns& c, FieldReader& fields, TestRecord& record)
{
    if (c.blank(kSize, kRotation - 1))
        return;
    if (!fields.letter(kSize, 'X', "the feature size"))
        return;
    const std::optional<std::int64_t> width = fields.digits(kSize + 1, kSizeY - 1, "the feature width");
    if (!width)
        return;
    if (c.blank(kSizeY, kRotation - 1)) {
        record.size = Size{*width, *width};  // no height: as high as wide
        return;
    }
    if (!fields.letter(kSizeY, 'Y', "the feature height"))
        return;
    if (const std::optional<std::int64_t> height = fields.digits(kSizeY + 1, kRotation - 1, "the feature height"))
        record.size = Size{*width, *height};
}

// "R" and the degrees, with or without a decimal fraction: R90, R090, R45.5.
void ReadRotation(const Columns& c, FieldReader& fields, TestRecord& record)
{
    if (c.blank(kRotation, kRotationLast))
        return;
    if (!fields.letter(kRotation, 'R', "the rotation"))
        return;
    // The number ends with its last digit or point; one that runs on into
    // the soldermask columns has pushed them along.
    std::string_view text = c.span(kRotation + 1, kLastColumn);
    text = text.substr(0, std::min(text.find_first_not_of("0123456789."), text.size()));
    const int end = kRotation + static_cast<int>(text.size());
    if (const int after = c.firstNonBlank(end + 1, kRotationLast); after != 0 || text.empty()) {
        fields.error(after != 0 ? after : kRotation + 1,
                     "the rotation '" + std::string(TrimRight(c.span(kRotation + 1, kRotationLast))) + "' in " +
                         ColumnRange(kRotation + 1, kRotationLast) + " is not a number of degrees");
        return;
    }
    if (end > kRotationLast) {
        fields.error(kRotationLast + 1,
                     "the rotation R" + std::string(text) + " runs past column 72 into " +
                         ColumnRange(kRotationLast + 1, end));
        fields.markShifted();
        return;
    }
    double degrees = 0;
    const auto [stop, fault] = std::from_chars(text.data(), text.data() + text.size(), degrees,
                                               std::chars_format::fixed);
    const bool plain = !text.empty() && IsDigit(text.front()) && IsDigit(text.back());
    if (fault != std::errc() || stop != text.data() + text.size() || !plain) {
        const int column = kRotation + 1 + static_cast<int>(stop - text.data());
        fields.error(column,
                     "the rotation '" + std::string(text) + "' in " + ColumnRange(kRotation + 1, kRotationLast) +
                         " is not a number of degrees");
        return;
    }
    record.rotation = degrees;
}

void ReadSoldermask(const Columns& c, FieldReader& fields, TestRecord& record)
{
    if (c.blank(kSoldermask, kSoldermask + 1))
        return;
    if (!fields.letter(kSoldermask, 'S', "the soldermask code"))
        return;
    const char digit = c.at(kSoldermask + 1);
    if (digit < '0' || digit > '3') {
        fields.error(kSoldermask + 1,
                     "bad soldermask digit " + Quoted(digit) +
                         " in column 74: 0 (none), 1 (top), 2 (bottom) or 3 (both)");
        return;
    }
    record.soldermask = digit - '0';
}

void ReadLayerRange(const Columns& c, FieldReader& fields, TestRecord& record)
{
    const bool blank = c.blank(kLayers, kLastColumn);
    if (record.kind != RecordKind::BlindBuried) {
        if (!blank)
            fields.warning(kLayers,
                           "columns 75-80 hold '" + std::string(Trim(c.span(kLayers, kLastColumn))) +
                               "', which only a blind or buried (307) record uses");
        return;
    }
    if (blank) {
        fields.warning(kLayers, "a blind or buried record without its layer range in columns 75-80");
        return;
    }
    if (!fields.letter(kLayers, 'L', "the start layer") || !fields.letter(kLayers + 3, 'L', "the end layer"))
        return;
    const std::optional<std::int64_t> start = fields.digits(kLayers + 1, kLayers + 2, "the start layer");
    const std::optional<std::int64_t> end = fields.digits(kLayers + 4, kLayers + 5, "the end layer");
    if (start && end)
        record.layerRange = std::pair(static_cast<int>(*start), static_cast<int>(*end));
}

void CheckKind(FieldReader& fields, const TestRecord& record)
{
    if (record.kind == RecordKind::Surface && record.drill)
        fields.warning(kDrill, "a surface (327) record with a drill");
}

}  // namespace

std::optional<RecordLine> ReadRecordLine(std::string_view line, std::int64_t lineNumber, Findings& findings)
{
    const Columns c(line);
    FieldReader fields(c, lineNumber, findings);
    const std::string_view code = c.span(1, 3);
    const std::optional<RecordKind> kind = KindOf(code);
    if (!kind) {
        if (code.size() == 3 && IsDigit(code[1]) && IsDigit(code[2]))
            fields.warning(1,
                           "operation code " + std::string(code) +
                               " is not a test record kind read here (317, 327, "
                               "307, 367); the line is not checked");
        else
            fields.error(1, "'" + std::string(code) + "' in columns 1-3 is not an operation code");
        return std::nullopt;
    }

    RecordLine read;
    TestRecord& record = read.record;
    record.line = lineNumber;
    record.kind = *kind;
    ReadNames(c, fields, read);
    ReadDrill(c, fields, record);
    if (c.width() < kY + 7) {
        fields.error(c.width() + 1,
                     "the record ends in column " + std::to_string(c.width()) +
                         ", before its location in columns 42-57 is complete");
        return std::nullopt;
    }
    ReadAccess(c, fields, record);
    const std::optional<std::int64_t> x = fields.coordinate(kX, 'X');
    const std::optional<std::int64_t> y = fields.coordinate(kY, 'Y');
    ReadSize(c, fields, record);
    ReadRotation(c, fields, record);
    ReadSoldermask(c, fields, record);
    ReadLayerRange(c, fields, record);
    CheckKind(fields, record);
    if (!x || !y)
        return std::nullopt;
    record.x = *x;
    record.y = *y;
    return read;
}

}  // namespace nodewick::check
