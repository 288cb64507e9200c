#include "trim_null.h"

namespace nodewick::dbx {

std::string TrimNull(std::string_view field)
{
    return std::string(TrimNullView(field));
}

std::string_view TrimNullView(std::string_view field) noexcept
{
    const std::size_t nul = field.find('\0');
    if (nul != std::string_view::npos)
        field = field.substr(0, nul);
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return field.substr(0, 0);
    const std::size_t last = field.find_last_not_of(' ');
    return field.substr(first, last - first + 1);
}

}  // namespace nodewick::dbx
