#include "status_text.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace nodewick::dbx {
namespace {

// DBX numbers its codes in runs; each run's texts belong to consecutive codes
// from its first one.
struct CodeRun {
    std::int16_t first;
    std::vector<std::string_view> texts;
};

const std::vector<CodeRun>& codeRuns()
{
    static const std::vector<CodeRun> runs{
        {32001,
         {"Connection Error", "Disconnect Error", "Bad Server Data", "Server Error", "Fatal DBX Error",
          "Version Incompatible", "Client Error", "Security Error", "Flip Error", "Rotate Error", "Move Error",
          "Highlight Error", "Delete Error", "Modify Error", "Create Error", "Database Error"}},
        {32101,
         {"Invalid Conv Handle", "Server Terminated", "Low Memory", "Already Connected", "No Connection",
          "Server Busy"}},
        {32121, {"Illegal Operation", "Bad Input", "Array Too Small", "Invalid Item ID"}},
        {32141,
         {"Item Not Found", "Item Not Supported", "Illegal Item", "Shape Not Defined", "GetFirst Not Called",
          "GetComp Not Called", "GetNet Not Called"}},
        {32161,
         {"No More Layers", "No More Nets", "No More Items", "No More Net Classes", "No More Class To Class Rules",
          "No More Rooms", "No More Room Points", "No More Components"}},
        {32170,
         {"Invalid Angle", "Invalid Highlight Color", "Invalid Item Type", "Invalid Justification", "Invalid Layer",
          "Invalid Location", "Invalid Net Id", "Invalid Netname", "Invalid Padstyle"}},
        {32180,
         {"Invalid Radius",
          "Invalid Refdes",
          "Invalid Rotation Angle",
          "Invalid TextStyle",
          "Invalid Width",
          "Invalid Layer Name",
          "Invalid Component Name",
          "Mismatched Part Numbers",
          "Mismatched Pin Numbers",
          "Mismatched Component Type",
          "Mismatched Hetero",
          "Invalid Line Style",
          "Invalid Pin Length",
          "Invalid Pin Style",
          "Invalid Alt Type",
          "Invalid Net Class Name",
          "Invalid Class To Class Id",
          "Invalid Net Class Id",
          "Invalid Layer Id",
          "Invalid Room Name",
          "Invalid Attribute Value",
          "Invalid Attribute Name"}},
        {32205,
         {"Duplicate Attribute", "Duplicate Netname", "Duplicate Net Class Name", "Duplicate Class To Class Name",
          "Duplicate Refdes"}},
        {32215,
         {"Component Not Found", "Layer Not Found", "Net Not Found", "Net Not Empty", "Net Exists", "Net Conflict",
          "Net Class Not Found", "Net Class Not Empty", "Net Class Exists", "Class To Class Not Found",
          "Room Not Found", "Point Not Found"}},
        {32230,
         {"Component Cache Conflict", "Library Not Open", "Item Outside Workspace", "No Attached Pattern",
          "Too Few Pins", "Pindes Not Found", "Name Too Long", "Print Job Not Found", "No Print Jobs Selected",
          "Unable to open file"}},
        {32250,
         {"Invalid Library Name", "Unable to open Library", "Component Already Open", "Open Component Not Called",
          "Save Component Failed", "Library is READ Only", "Save Symbol Failed", "Save Pattern Failed",
          "Internal Parameter Error"}},
        // 32179 has no text of its own; "Invalid Pin Number" is 32279.
        {32279, {"Invalid Pin Number"}},
    };
    return runs;
}

std::string unknownStatusText(DbxStatus status)
{
    return "Status: " + std::to_string(status);
}

}  // namespace

std::string StatusText(DbxStatus status)
{
    // Every DBX status lies in the 16-bit signed range; a value outside it is
    // shown with its full number.
    if (status < INT16_MIN || status > INT16_MAX)
        return unknownStatusText(status);
    const auto code = static_cast<std::int16_t>(status);
    if (code == status::kSuccess)
        return "Status: OK";
    for (const CodeRun& run : codeRuns()) {
        const int offset = code - run.first;
        if (offset >= 0 && static_cast<std::size_t>(offset) < run.texts.size())
            return std::string(run.texts[static_cast<std::size_t>(offset)]);
    }
    return unknownStatusText(code);
}

}  // namespace nodewick::dbx
