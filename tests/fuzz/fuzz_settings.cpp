// The settings file reader: any bytes are lines to parse. Whatever they say,
// every warning names the file and a line, and the example file of what was
// read reads back without a warning.
#include "shell/input/Settings.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Settings settings;
    for (const std::string& warning : settings.parse("f", std::string(reinterpret_cast<const char*>(data), size))) {
        if (warning.compare(0, 2, "f:") != 0) __builtin_trap();
    }
    Settings again;
    if (!again.parse("f", settings.example()).empty()) __builtin_trap();
    return 0;
}
