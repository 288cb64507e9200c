#pragma once

#include <cstdio>

#include "bench_suite.h"

namespace nodewick::bench {

// Writes the machine, the table of results, the command's line and the
// targets, met or missed, as Markdown.
void PrintReport(const SuiteResult& result, std::FILE* out);

}  // namespace nodewick::bench
