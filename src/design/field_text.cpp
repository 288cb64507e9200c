#include "design/field_text.h"

#include <charconv>
#include <unordered_map>

#include "dbx/trim_null.h"

namespace nodewick::design {
namespace {

std::string Hex(unsigned char byte)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[byte >> 4] + kDigits[byte & 0xF];
}

// A control character by its common name, for the message.
std::string ControlName(unsigned char byte)
{
    switch (byte) {
    case '\t':
        return "the tab " + Hex(byte);
    case '\n':
        return "the line feed " + Hex(byte);
    case '\r':
        return "the carriage return " + Hex(byte);
    case 127:
        return "the delete character " + Hex(byte);
    default:
        return "the control character " + Hex(byte);
    }
}

bool IsControl(unsigned char byte) noexcept
{
    return byte < 32 || byte == 127;
}

}  // namespace

std::optional<std::string> FieldTextProblem(std::string_view text, FieldText use)
{
    if (text.size() > use.capacity) {
        return "the text is " + std::to_string(text.size()) + " bytes long; its DBX field holds " +
            std::to_string(use.capacity);
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0)
            return std::string("the text holds a NUL byte, which would end it inside its DBX field");
        if (use.reachesNetlist && IsControl(byte))
            return "the text holds " + ControlName(byte) + ", which would break its line of the netlist";
    }
    return std::nullopt;
}

FieldText AttributeValueUse(std::string_view attributeName) noexcept
{
    return dbx::TrimNullView(attributeName) == kTieAttributeName ? kWrittenAttributeValue : kKeptAttributeValue;
}

std::optional<RepeatedName> FirstRepeatedNetName(const std::vector<Net>& nets)
{
    std::unordered_map<std::string_view, std::size_t> seen;
    seen.reserve(nets.size());
    for (std::size_t i = 0; i < nets.size(); ++i) {
        const auto [first, added] = seen.emplace(dbx::TrimNullView(nets[i].name), i);
        if (!added)
            return RepeatedName{.earlier = first->second, .later = i};
    }
    return std::nullopt;
}

}  // namespace nodewick::design
