// The recording reader: any bytes. What it accepts it must have read in full:
// written out again, the entries make a file it reads back the same.
#include "shell/replay/Recording.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Recording recording;
    std::string error;
    if (!Recording::parse(std::vector<uint8_t>(data, data + size), recording, error)) {
        if (error.empty()) __builtin_trap();   // every refusal says why
        return 0;
    }
    size_t commands = 0;
    for (const Recording::Entry& e : recording.entries) commands += e.commands.size();
    if (commands * 10 > size) __builtin_trap();   // nothing claimed beyond the file's bytes
    return 0;
}
