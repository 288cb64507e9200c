#include "design/pcad/name_index.h"

#include "design/pcad/lexer.h"

namespace nodewick::design::pcad {

void NameIndex::reserve(std::size_t names)
{
    exact_.reserve(names);
    if (ignoringCase_)
        folded_.reserve(names);
}

bool NameIndex::add(const std::string& name, std::size_t index)
{
    if (!exact_.emplace(name, index).second)
        return false;
    if (ignoringCase_)
        folded_.emplace(LowerCase(name), index);
    return true;
}

std::optional<std::size_t> NameIndex::find(const std::string& name) const
{
    const auto found = exact_.find(name);
    if (found == exact_.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::size_t> NameIndex::findExactOrIgnoringCase(const std::string& name) const
{
    if (const std::optional<std::size_t> exact = find(name))
        return exact;
    if (!ignoringCase_)
        return std::nullopt;
    const auto found = folded_.find(LowerCase(name));
    if (found == folded_.end())
        return std::nullopt;
    return found->second;
}

}  // namespace nodewick::design::pcad
