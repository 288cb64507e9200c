#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "finding.h"
#include "netlist.h"

// One test record line, field by field, column by column.
namespace nodewick::check {

// A test record as it stands on its line: the net field is the text of
// columns 4 to 17, alias or full name, not yet looked up.
struct RecordLine {
    TestRecord record;
    std::string_view netField;
    int netColumn = 4;
};

// The fields of a test record line (one that starts with "3"). What the
// format leaves open is taken as it comes: blank or "+" sign columns, a
// drill, a feature size, a rotation (with or without decimals) or a
// soldermask that is not there, a pin of five characters. Every field out of
// its columns and every non-digit in a numeric field is a finding at its
// column. Nothing when the line is not a test record the checker can place:
// an operation code it does not know, or a location it cannot read.
std::optional<RecordLine> ReadRecordLine(std::string_view line, std::int64_t lineNumber, Findings& findings);

}  // namespace nodewick::check
