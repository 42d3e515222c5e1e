#include "ErrorReport.h"

#include <cstdio>

void reportError(const std::string& text) {
    // Some messages end in their own line break; the report is one line either way.
    std::string line = text;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    std::fprintf(stderr, "Error: %s\n", line.c_str());
    std::fflush(stderr);
}
