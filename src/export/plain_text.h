#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/error.h"

// Texts that reach a line of the netlist (net names, tie values, designators,
// header texts, layer entries) hold no control character: a line feed or a
// carriage return in a pin would end the record early and start a line a
// reader takes for something else, the end record among them.
namespace nodewick::exporter {

constexpr bool IsControlCharacter(char c) noexcept
{
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
}

std::optional<char> FirstControlCharacter(std::string_view text) noexcept;

// The text with every control character shown as \xHH, for messages.
std::string Printable(std::string_view text);

// Why a text cannot be written: subject names the item and the field
// ("Net GND, pad U1-4: the pin designator").
std::string ControlCharacterMessage(std::string_view subject, std::string_view text, char found);

// Throws ExportError when text holds a control character. subject() is called
// only then, so the usual case builds no text.
template <typename Subject>
void RequirePlainText(std::string_view text, Subject subject)
{
    if (const std::optional<char> found = FirstControlCharacter(text))
        throw ExportError(ControlCharacterMessage(subject(), text, *found));
}

}  // namespace nodewick::exporter
