#include "design/pcad/reporter.h"

#include "base/error.h"
#include "design/pcad/lexer.h"

#include <charconv>

namespace nodewick::design::pcad {

std::string Reporter::located(std::uint32_t line, std::string_view message) const
{
    std::string text = fileName_;
    text += ": line ";
    text += Decimal(line);
    text += ": ";
    text += message;
    return text;
}

void Reporter::fail(std::uint32_t line, std::string_view message) const
{
    throw DesignError(located(line, message));
}

void Reporter::fail(std::string_view message) const
{
    throw DesignError(fileName_ + ": " + std::string(message));
}

void Reporter::warn(std::uint32_t line, std::string_view message)
{
    warnings_.push_back(located(line, message));
}

void Reporter::warn(std::string_view message)
{
    warnings_.push_back(fileName_ + ": " + std::string(message));
}

void Reporter::warnUnknownForm(std::uint32_t line, std::string_view keyword)
{
    if (unknownForms_.insert(LowerCase(keyword)).second)
        warn(line, "skipped the unknown form (" + std::string(keyword) + " ...)");
}

bool IsOneOf(std::string_view keyword, std::initializer_list<std::string_view> keywords) noexcept
{
    for (std::string_view known : keywords) {
        if (EqualsIgnoringCase(keyword, known))
            return true;
    }
    return false;
}

std::string Decimal(std::int64_t number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return {digits, end};
}

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

}  // namespace nodewick::design::pcad
