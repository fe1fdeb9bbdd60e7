// The fuzz targets' assertion: a property that does not hold prints what was expected and
// aborts, which libFuzzer reports as a crash and saves the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace korvant {

inline void FuzzCheck(bool holds, const char* what, const std::string& detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s\n%s\n", what, detail.c_str());
    std::abort();
}

} // namespace korvant
