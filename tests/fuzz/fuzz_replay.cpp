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
    size_t frames = 0;
    auto within = [](float v) { return std::fabs(v) <= Recording::MAX_TURN; };   // NaN fails too
    for (const Recording::Entry& e : recording.entries) {
        frames += e.kind == Recording::Entry::Frame;
        if (!(e.frameTime >= 0.0f && e.frameTime <= Recording::MAX_FRAME_TIME)) __builtin_trap();   // NaN too
        const InputRecord& in = e.input;
        if (in.eventCount > InputRecord::MAX_EVENTS || in.turnCount > InputRecord::MAX_TURNS) __builtin_trap();
        for (unsigned i = 0; i < in.eventCount; ++i)
            if (in.events[i].action >= uint8_t(Action::Count)) __builtin_trap();   // the step would pass it over
        if (in.setsTurn && !(within(in.setYaw) && within(in.setPitch))) __builtin_trap();
        for (unsigned i = 0; i < in.turnCount; ++i)
            if (!(within(in.turns[i][0]) && within(in.turns[i][1]))) __builtin_trap();
    }
    if (frames * 9 > size) __builtin_trap();   // nothing claimed beyond the file's bytes: a frame is 9 bytes at least
    if (recording.entries.size() > 3 * frames + 1) __builtin_trap();   // a frame, its checksum, a new game
    return 0;
}
