// The recording reader: any bytes. What it accepts it must have read in full,
// with every number one play can make, and no entry costing more memory than
// a frame's bytes.
#include "recording/Recording.h"

#include <cmath>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Recording recording;
    std::string error;
    if (!Recording::parse(std::vector<uint8_t>(data, data + size), recording, error)) {
        if (error.empty()) __builtin_trap();   // every refusal says why
        return 0;
    }
    size_t commands = 0, frames = 0;
    for (const Recording::Entry& e : recording.entries) {
        commands += e.commands.size();
        frames += e.kind == Recording::Entry::Frame;
        if (!(e.frameTime >= 0.0f && e.frameTime <= Recording::MAX_FRAME_TIME)) __builtin_trap();   // NaN too
        for (const Command& c : e.commands)
            if (!(std::fabs(c.a) <= Recording::MAX_TURN && std::fabs(c.b) <= Recording::MAX_TURN)) __builtin_trap();
    }
    if (commands * 10 > size) __builtin_trap();   // nothing claimed beyond the file's bytes
    if (recording.entries.size() > 3 * frames + 1) __builtin_trap();   // a frame, its checksum, a new game
    return 0;
}
