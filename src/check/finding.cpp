#include "finding.h"

#include <algorithm>

namespace nodewick::check {

std::size_t Findings::count(Severity severity) const noexcept
{
    return static_cast<std::size_t>(
        std::count_if(list_.begin(), list_.end(), [severity](const Finding& f) { return f.severity == severity; }));
}

void Findings::sort()
{
    const auto key = [](const Finding& f) {
        // Line 0 (the whole file, or no line at all) goes after every line.
        return std::pair(f.line == 0 ? INT64_MAX : f.line, f.column);
    };
    std::stable_sort(list_.begin(), list_.end(), [&](const Finding& a, const Finding& b) { return key(a) < key(b); });
}

}  // namespace nodewick::check
