#include "ErrorReport.h"

#include <cstdio>

namespace {

void reportLine(const char* prefix, const std::string& text) {
    // Some messages end in their own line break; the report is one line either way.
    std::string line = text;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    std::fprintf(stderr, "%s: %s\n", prefix, line.c_str());
    std::fflush(stderr);
}

}

void reportError(const std::string& text) {
    reportLine("Error", text);
}

void reportWarning(const std::string& text) {
    reportLine("Warning", text);
}
