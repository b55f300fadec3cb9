// SPDX-License-Identifier: MIT
#pragma once

// The counting check of the Windows test programs: one line per failed
// check, written at once (so a hang still shows what failed before it), and
// the count the tests' closing line "N passed, N failed" reports.

#include <cstdio>
#include <string>

namespace lexidor::test {

inline int passed = 0;
inline int failed = 0;

inline void check(bool ok, const std::string& what, const std::string& detail = {})
{
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAIL %s%s%s\n", what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
}

} // namespace lexidor::test
