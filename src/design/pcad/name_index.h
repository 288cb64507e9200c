#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace nodewick::design::pcad {

// Finds a definition by its name in constant time. Names are byte strings and
// match exactly; a style lookup may fall back to a match without regard to
// case when no exact match exists.
class NameIndex {
public:
    enum class Lookup { Exact, ExactOrIgnoringCase };

    // Only an index made for ExactOrIgnoringCase keeps the folded names too.
    explicit NameIndex(Lookup lookup = Lookup::Exact) : ignoringCase_(lookup == Lookup::ExactOrIgnoringCase) { }

    // Room for this many names, so that filling the index does not grow it.
    void reserve(std::size_t names);

    // False, and nothing changed, when the name is already taken.
    bool add(const std::string& name, std::size_t index);

    std::optional<std::size_t> find(const std::string& name) const;
    // On an index made for Exact look-ups, the same as find.
    std::optional<std::size_t> findExactOrIgnoringCase(const std::string& name) const;

private:
    bool ignoringCase_;
    std::unordered_map<std::string, std::size_t> exact_;
    std::unordered_map<std::string, std::size_t> folded_;
};

}  // namespace nodewick::design::pcad
