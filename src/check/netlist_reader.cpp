#include "netlist_reader.h"

#include <cctype>
#include <fstream>
#include <unordered_map>

#include "base/error.h"
#include "base/units.h"
#include "columns.h"
#include "place_checks.h"
#include "record_line.h"

namespace nodewick::check {
namespace {

constexpr int kLongestLine = 80;
constexpr std::string_view kAliasPrefix = "NNAME";

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// NNAME followed by digits, in any letter case: the name of an alias.
bool IsAliasName(std::string_view name)
{
    if (name.size() <= kAliasPrefix.size())
        return false;
    for (std::size_t i = 0; i < kAliasPrefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != kAliasPrefix[i])
            return false;
    const std::string_view number = name.substr(kAliasPrefix.size());
    return std::all_of(number.begin(), number.end(), IsDigit);
}

// A parameter line: "P", two blanks, the keyword from column 4, its value
// after the blanks that follow it.
struct Parameter {
    std::string_view keyword;
    std::string_view value;
    int valueColumn = 0;
};

Parameter SplitParameter(std::string_view line)
{
    const std::string_view rest = line.size() > 3 ? line.substr(3) : std::string_view{};
    Parameter parameter;
    parameter.keyword = rest.substr(0, rest.find(' '));
    const std::string_view after = rest.substr(parameter.keyword.size());
    const std::size_t start = after.find_first_not_of(' ');
    if (start != std::string_view::npos) {
        parameter.value = TrimRight(after.substr(start));
        parameter.valueColumn = static_cast<int>(4 + parameter.keyword.size() + start);
    }
    return parameter;
}

// One blank between words: "CUST  1" reads as "CUST 1".
std::string Words(std::string_view text)
{
    std::string words;
    for (char c : Trim(text)) {
        if (c == ' ' && !words.empty() && words.back() == ' ')
            continue;
        words += c;
    }
    return words;
}

std::optional<NetlistUnits> UnitsOf(std::string_view value)
{
    const std::string words = Upper(Words(value));
    if (words == "CUST" || words == "CUST 0")
        return NetlistUnits::Inch;
    if (words == "CUST 1" || words == "SI")
        return NetlistUnits::Millimetre;
    return std::nullopt;
}

// "12.5mil" or "-1.250mm" in database units.
std::optional<std::int64_t> OffsetValue(std::string_view text)
{
    std::int64_t unitsPerUnit = 0;
    if (text.ends_with("mil"))
        unitsPerUnit = kDatabaseUnitsPerMil;
    else if (text.ends_with("mm"))
        unitsPerUnit = kDatabaseUnitsPerMillimetre;
    else
        return std::nullopt;
    text.remove_suffix(unitsPerUnit == kDatabaseUnitsPerMil ? 3 : 2);
    const std::optional<Decimal> decimal = ParseDecimal(text);
    if (!decimal)
        return std::nullopt;
    const std::optional<std::int32_t> value = ToDatabaseUnits(*decimal, unitsPerUnit);
    return value ? std::optional<std::int64_t>(*value) : std::nullopt;
}

struct AliasDeclaration {
    std::int64_t line = 0;
    std::string_view fullName;
    bool used = false;
};

struct ParameterSeen {
    std::int64_t line = 0;
    std::string value;
};

class Reader {
public:
    explicit Reader(Netlist& netlist) : netlist_(netlist), findings_(netlist.findings) { }

    void read(const std::vector<std::string_view>& lines)
    {
        netlist_.records.reserve(lines.size());
        declareAliases(lines);
        for (std::size_t i = 0; i < lines.size(); ++i)
            readLine(lines[i], static_cast<std::int64_t>(i) + 1);
        finish();
    }

private:
    // Aliases are collected first, so that a record naming one before its
    // "P" line is told from a record naming one that is never declared.
    void declareAliases(const std::vector<std::string_view>& lines)
    {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].empty() || lines[i][0] != 'P')
                continue;
            const Parameter parameter = SplitParameter(lines[i]);
            if (!IsAliasName(parameter.keyword))
                continue;
            const auto line = static_cast<std::int64_t>(i) + 1;
            const std::string alias = Upper(parameter.keyword);
            if (parameter.value.empty()) {
                findings_.error(line, 4, "alias " + alias + " is declared without a net name");
                continue;
            }
            const auto [place, added] = aliases_.try_emplace(alias, AliasDeclaration{line, parameter.value});
            if (!added)
                findings_.error(line, 4,
                                "alias " + alias + " is declared again; line " + std::to_string(place->second.line) +
                                    " declared it first");
        }
    }

    void readLine(std::string_view line, std::int64_t number)
    {
        if (endLine_ != 0) {
            if (!Trim(line).empty() && afterEnd_++ == 0)
                findings_.error(number, 1,
                                "a line after the end record 999 of line " + std::to_string(endLine_) +
                                    ": 999 must be the last line");
            return;
        }
        if (line.size() > kLongestLine)
            findings_.error(number, kLongestLine + 1,
                            "the line is " + std::to_string(line.size()) +
                                " columns long; a netlist line holds at most 80");
        if (const std::size_t tab = line.find('\t'); tab != std::string_view::npos)
            findings_.error(number, static_cast<int>(tab) + 1,
                            "a tab in column " + std::to_string(tab + 1) +
                                "; the fields are placed by columns, with blanks");
        if (Trim(line).empty()) {
            findings_.warning(number, 1, "a blank line");
            return;
        }
        switch (line[0]) {
        case 'C':
            readComment(line);
            break;
        case 'P':
            readParameter(line, number);
            break;
        case '3':
            readRecord(line, number);
            break;
        case '9':
            readEnd(line, number);
            break;
        case ' ':
            findings_.error(number, 1,
                            "a line that starts with a blank has no record type in column 1; a record "
                            "broken onto a second line?");
            break;
        default:
            findings_.error(number, 1,
                            "'" + std::string(1, line[0]) +
                                "' in column 1 starts no record: C (comment), P (parameter), "
                                "3 (test record) or 999 (end)");
        }
    }

    void readComment(std::string_view line)
    {
        if (line.starts_with("C ************Layer "))
            ++netlist_.layerLines;
        // Our own header states the offset its coordinates carry.
        constexpr std::string_view kOffset = "C Offset =";
        if (!line.starts_with(kOffset))
            return;
        const std::string_view rest = Trim(line.substr(kOffset.size()));
        const std::size_t x = rest.find("(X: ");
        const std::size_t y = rest.find(" Y: ");
        if (x == std::string_view::npos || y == std::string_view::npos || !rest.ends_with(")"))
            return;
        const std::optional<std::int64_t> offsetX = OffsetValue(rest.substr(x + 4, y - x - 4));
        const std::optional<std::int64_t> offsetY = OffsetValue(rest.substr(y + 4, rest.size() - y - 5));
        if (offsetX && offsetY) {
            netlist_.offsetX = *offsetX;
            netlist_.offsetY = *offsetY;
        }
    }

    void readParameter(std::string_view line, std::int64_t number)
    {
        const Columns c(line);
        if (!c.blank(2, 3)) {
            findings_.error(number, c.firstNonBlank(2, 3),
                            "columns 2 and 3 of a parameter line are blank; the keyword "
                            "starts in column 4");
            return;
        }
        const Parameter parameter = SplitParameter(line);
        if (parameter.keyword.empty()) {
            findings_.error(number, 4, "a parameter line without a keyword in column 4");
            return;
        }
        if (IsAliasName(parameter.keyword))
            return;  // declared before the lines were read
        const std::string keyword = Upper(parameter.keyword);
        if (!noteParameter(keyword, parameter, number))
            return;
        if (keyword == "UNITS")
            readUnits(parameter, number);
    }

    // False when the parameter was stated before: the same again is
    // repeated, another value contradicts the first.
    bool noteParameter(const std::string& keyword, const Parameter& parameter, std::int64_t number)
    {
        const std::string value = Words(parameter.value);
        const auto [seen, added] = parameters_.try_emplace(keyword, ParameterSeen{number, value});
        if (added)
            return true;
        const std::string first = std::to_string(seen->second.line);
        if (seen->second.value == value)
            findings_.warning(number, 4, "the parameter " + keyword + " repeats line " + first);
        else
            findings_.error(number, parameter.valueColumn == 0 ? 4 : parameter.valueColumn,
                            "the parameter " + keyword + " says \"" + value + "\" here and \"" + seen->second.value +
                                "\" on line " + first);
        return false;
    }

    void readUnits(const Parameter& parameter, std::int64_t number)
    {
        const int column = parameter.valueColumn == 0 ? 4 : parameter.valueColumn;
        netlist_.units = UnitsOf(parameter.value);
        if (!netlist_.units)
            findings_.error(number, column,
                            "unknown units \"" + Words(parameter.value) +
                                "\": CUST, CUST 0 (inch), CUST 1 or SI (millimetre)");
        if (firstRecordLine_ != 0)
            findings_.error(number, column,
                            "the units come after the first test record, on line " + std::to_string(firstRecordLine_) +
                                ", which they should govern");
    }

    void readRecord(std::string_view line, std::int64_t number)
    {
        std::optional<RecordLine> read = ReadRecordLine(line, number, findings_);
        if (!read)
            return;
        if (firstRecordLine_ == 0)
            firstRecordLine_ = number;
        read->record.net = netOf(*read, number);
        netlist_.records.push_back(read->record);
    }

    // The index of the record's net, its alias looked up.
    std::uint32_t netOf(const RecordLine& read, std::int64_t number)
    {
        if (read.netField == lastNetField_)
            return lastNet_;
        std::string_view name = read.netField;
        if (IsAliasName(name)) {
            const std::string alias = Upper(name);
            const auto declared = aliases_.find(alias);
            if (declared == aliases_.end()) {
                findings_.error(number, read.netColumn, "alias " + alias + " is not declared by any P line");
            } else if (declared->second.line > number) {
                declared->second.used = true;  // reported here, not again as unused
                findings_.error(number, read.netColumn,
                                "alias " + alias + " is used before its P line, line " +
                                    std::to_string(declared->second.line));
            } else {
                declared->second.used = true;
                name = declared->second.fullName;
            }
        }
        const auto [place, added] = netIndex_.try_emplace(name, static_cast<std::uint32_t>(netlist_.netNames.size()));
        if (added)
            netlist_.netNames.emplace_back(name);
        // A name that failed to resolve is not remembered, so that each
        // record that uses it is reported.
        if (name != read.netField || !IsAliasName(name)) {
            lastNetField_ = read.netField;
            lastNet_ = place->second;
        }
        return place->second;
    }

    void readEnd(std::string_view line, std::int64_t number)
    {
        if (!line.starts_with("999")) {
            findings_.error(number, 1,
                            "'" + std::string(TrimRight(line.substr(0, 3))) +
                                "' in columns 1-3 is not the end record 999");
            return;
        }
        if (const int extra = Columns(line).firstNonBlank(4, static_cast<int>(line.size())))
            findings_.error(number, extra, "the end record 999 carries nothing after column 3");
        endLine_ = number;
        netlist_.ended = true;
    }

    void finish()
    {
        if (afterEnd_ > 1)
            findings_.error(endLine_ + 1, 1,
                            std::to_string(afterEnd_) + " lines follow the end record 999 of line " +
                                std::to_string(endLine_));
        if (!netlist_.ended)
            findings_.error(0, 0,
                            "no end record 999: the file ends at line " + std::to_string(netlist_.lineCount) +
                                " and may be cut short");
        if (!parameters_.contains("UNITS"))
            findings_.warning(0, 0, "no UNITS parameter; the coordinates are read as 0.0001 inch (CUST 0)");
        if (!parameters_.contains("VER"))
            findings_.warning(0, 0, "no VER parameter naming the format (IPC-D-356A)");
        for (const auto& [alias, declaration] : aliases_)
            if (!declaration.used)
                findings_.warning(declaration.line, 4, "alias " + alias + " is declared but no record uses it");
    }

    Netlist& netlist_;
    Findings& findings_;
    std::unordered_map<std::string, AliasDeclaration> aliases_;
    std::unordered_map<std::string, ParameterSeen> parameters_;
    std::unordered_map<std::string_view, std::uint32_t> netIndex_;
    std::string_view lastNetField_ = "\n";  // matches no net field
    std::uint32_t lastNet_ = 0;
    std::int64_t firstRecordLine_ = 0;
    std::int64_t endLine_ = 0;
    std::int64_t afterEnd_ = 0;
};

}  // namespace

std::int32_t Netlist::bottomAccess() const noexcept
{
    if (layerLines >= 2)
        return layerLines;
    std::int32_t highest = 2;
    for (const TestRecord& record : records)
        highest = std::max(highest, record.access);
    return highest;
}

Side SideOf(std::int32_t access, std::int32_t bottomAccess) noexcept
{
    if (access == 0)
        return Side::Both;
    if (access == 1)
        return Side::Top;
    return access == bottomAccess ? Side::Bottom : Side::Inner;
}

Netlist ReadNetlist(std::string text)
{
    Netlist netlist;
    netlist.text = std::make_unique<const std::string>(std::move(text));
    const std::vector<std::string_view> lines = SplitLines(*netlist.text);
    netlist.lineCount = static_cast<std::int64_t>(lines.size());
    Reader(netlist).read(lines);
    CheckPlaces(netlist);
    netlist.findings.sort();
    return netlist;
}

Netlist ReadNetlistFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw FileError(file.string() + ": cannot be opened for reading");
    in.seekg(0, std::ios::end);
    std::string text(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0, std::ios::beg);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad() || in.gcount() != static_cast<std::streamsize>(text.size()))
        throw FileError(file.string() + ": cannot be read");
    return ReadNetlist(std::move(text));
}

}  // namespace nodewick::check
