#include "design/json/design_json_keys.h"

#include <array>
#include <cstddef>

namespace nodewick::design {
namespace {

constexpr std::size_t kKnownKeys = static_cast<std::size_t>(DesignKey::Other);

// In the order of DesignKey, which groups the keys by their first letter.
constexpr std::array<std::string_view, kKnownKeys> kNames = {
    "attributes", "components", "drawingNumber", "end",    "engineer", "flip",   "height",         "hole",
    "id",         "items",      "layer",         "layers", "name",     "nets",   "nodewickDesign", "nodes",
    "padCount",   "padStyle",   "padStyles",     "path",   "pin",      "plated", "refDes",         "revision",
    "rotation",   "shapes",     "side",          "start",  "status",   "title",  "type",           "value",
    "viaStyle",   "viaStyles",  "width",         "x",      "y",
};

constexpr std::size_t kLetters = 26;

// Where the keys of each first letter begin in kNames; entry 26 is the end.
// Every key of a design file is looked up here, a million times and more in
// a large design, so a key is compared with the few of its first letter only.
constexpr std::array<std::uint8_t, kLetters + 1> kFirstOfLetter = [] {
    std::array<std::uint8_t, kLetters + 1> first{};
    std::size_t name = 0;
    for (std::size_t letter = 0; letter <= kLetters; ++letter) {
        while (name < kNames.size() && static_cast<std::size_t>(kNames[name][0] - 'a') < letter)
            ++name;
        first[letter] = static_cast<std::uint8_t>(name);
    }
    return first;
}();

constexpr bool GroupedByFirstLetter()
{
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i].empty() || kNames[i][0] < 'a' || kNames[i][0] > 'z')
            return false;
        if (i > 0 && kNames[i][0] < kNames[i - 1][0])
            return false;
    }
    return true;
}
static_assert(GroupedByFirstLetter(), "the key names must be grouped by their first letter, a to z");

}  // namespace

DesignKey FindDesignKey(std::string_view name) noexcept
{
    if (name.empty() || name[0] < 'a' || name[0] > 'z')
        return DesignKey::Other;
    const auto letter = static_cast<std::size_t>(name[0] - 'a');
    for (std::size_t i = kFirstOfLetter[letter]; i < kFirstOfLetter[letter + 1]; ++i) {
        if (kNames[i] == name)
            return static_cast<DesignKey>(i);
    }
    return DesignKey::Other;
}

std::string_view DesignKeyName(DesignKey key) noexcept
{
    const auto index = static_cast<std::size_t>(key);
    return index < kNames.size() ? kNames[index] : std::string_view{};
}

}  // namespace nodewick::design
