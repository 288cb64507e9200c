#include "plain_text.h"

namespace nodewick::exporter {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHex(std::string& out, char c)
{
    const auto code = static_cast<unsigned char>(c);
    out += kHexDigits[code >> 4];
    out += kHexDigits[code & 0xF];
}

}  // namespace

std::optional<char> FirstControlCharacter(std::string_view text) noexcept
{
    for (const char c : text)
        if (IsControlCharacter(c))
            return c;
    return std::nullopt;
}

std::string Printable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (IsControlCharacter(c)) {
            out += "\\x";
            AppendHex(out, c);
        } else {
            out += c;
        }
    }
    return out;
}

std::string ControlCharacterMessage(std::string_view subject, std::string_view text, char found)
{
    std::string message(subject);
    message += " \"";
    message += Printable(text);
    message += "\" holds the control character 0x";
    AppendHex(message, found);
    message += ", which would break the lines of the netlist";
    return message;
}

}  // namespace nodewick::exporter
