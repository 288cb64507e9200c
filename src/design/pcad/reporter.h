#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace nodewick::design::pcad {

// Where the reader tells what it found wrong. Errors stop the load with a
// DesignError naming the file and the line; warnings are collected for
// the user and the load goes on.
class Reporter {
public:
    explicit Reporter(std::string fileName) : fileName_(std::move(fileName)) { }

    [[noreturn]] void fail(std::uint32_t line, std::string_view message) const;
    // An error about the file as a whole.
    [[noreturn]] void fail(std::string_view message) const;
    void warn(std::uint32_t line, std::string_view message);
    // A warning about the file as a whole or about a named item.
    void warn(std::string_view message);
    // A form the reader does not know is skipped; the user hears of each
    // unknown keyword once, at its first place.
    void warnUnknownForm(std::uint32_t line, std::string_view keyword);

    const std::string& fileName() const noexcept { return fileName_; }
    std::vector<std::string> takeWarnings() { return std::move(warnings_); }

private:
    std::string located(std::uint32_t line, std::string_view message) const;

    std::string fileName_;
    std::vector<std::string> warnings_;
    std::unordered_set<std::string> unknownForms_;
};

// Whether a keyword is one of the given ones, without regard to case.
bool IsOneOf(std::string_view keyword, std::initializer_list<std::string_view> keywords) noexcept;

// A whole number in decimal, for messages.
std::string Decimal(std::int64_t number);

// A quoted name for messages: the text between double quotes.
std::string Quoted(std::string_view text);

}  // namespace nodewick::design::pcad
