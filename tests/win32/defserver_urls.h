#pragma once

// The addresses of the reference servers that the CTest fixture starts.

#include <fstream>
#include <string>

#include "test_programs.h"

namespace win32_tests {

// The address of one of the fixture's servers ("first" or "second"); "" when
// the fixture did not start it.
inline std::string ServerUrl(const std::string& name) {
    std::ifstream in(WindowsPath(DEFSERVER_FIXTURE_DIR) + "\\" + name + ".url");
    std::string url;
    std::getline(in, url);
    return url;
}

}  // namespace win32_tests
