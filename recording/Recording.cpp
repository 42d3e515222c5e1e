#include "Recording.h"

#include "platform/ErrorReport.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

void putU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void putU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

void putFloat(std::vector<uint8_t>& out, float f) {
    uint32_t v;
    std::memcpy(&v, &f, 4);
    putU32(out, v);
}

// Reads little-endian fields, each checked against what is left.
class Cursor {
public:
    explicit Cursor(const std::vector<uint8_t>& b) : bytes(b) {}
    bool has(size_t n) const { return bytes.size() - at >= n; }
    bool done() const { return at == bytes.size(); }
    size_t position() const { return at; }
    uint8_t u8() { return bytes[at++]; }
    uint16_t u16() {
        const uint16_t v = uint16_t(bytes[at] | bytes[at + 1] << 8);
        at += 2;
        return v;
    }
    uint32_t u32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t(bytes[at + size_t(i)]) << (8 * i);
        at += 4;
        return v;
    }
    float f32() {
        const uint32_t v = u32();
        float f;
        std::memcpy(&f, &v, 4);
        return f;
    }

private:
    const std::vector<uint8_t>& bytes;
    size_t at = 0;
};

constexpr size_t COMMAND_BYTES = 10;   // kind, action, two floats

bool finite(float v, float low, float high) {
    return std::isfinite(v) && v >= low && v <= high;
}

bool finiteTurn(float yaw, float pitch) {
    return finite(yaw, -Recording::MAX_TURN, Recording::MAX_TURN) && finite(pitch, -Recording::MAX_TURN, Recording::MAX_TURN);
}

// Formats 1 and 2: a frame's commands, in the order they reached the game,
// made into the record that plays as they did. False with `error` empty when
// the file ends inside them.
bool readCommands(Cursor& in, InputRecord& input, const std::string& frame, std::string& error) {
    enum Kind : uint8_t { Turn = 1, SetTurn = 2, Press = 3, Release = 4 };
    if (!in.has(2)) return false;
    const size_t count = in.u16();
    if (count > Recording::MAX_COMMANDS)
        return error = frame + " claims " + std::to_string(count) + " commands", false;
    if (!in.has(count * COMMAND_BYTES)) return false;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t kind = in.u8();
        if (kind < Turn || kind > Release) return error = "unknown command in " + frame, false;
        const uint8_t action = in.u8();
        const float a = in.f32(), b = in.f32();
        if (!finiteTurn(a, b)) return error = "impossible turn in " + frame, false;
        // Such a file's actions past the last were passed over: so they are now.
        if ((kind == Press || kind == Release) && action >= uint8_t(Action::Count)) continue;
        switch (kind) {
        case Turn: input.addTurn(a, b); break;
        case SetTurn: input.setTurn(a, b); break;
        case Press: input.press(Action(action)); break;
        case Release: input.release(Action(action)); break;
        }
    }
    return true;
}

// Format 3: the record itself, its counts and numbers checked.
bool readRecord(Cursor& in, InputRecord& input, const std::string& frame, std::string& error) {
    if (!in.has(1)) return false;
    const size_t events = in.u8();
    if (events > InputRecord::MAX_EVENTS) return error = frame + " claims " + std::to_string(events) + " key events", false;
    if (!in.has(events * 2 + 1)) return false;
    for (size_t i = 0; i < events; ++i) {
        const uint8_t action = in.u8(), pressed = in.u8();
        if (action >= uint8_t(Action::Count) || pressed > 1) return error = "unknown key event in " + frame, false;
        input.events[i] = {action, pressed == 1};
    }
    input.eventCount = uint8_t(events);
    const uint8_t flags = in.u8();
    if (flags > 1) return error = "unknown turn in " + frame, false;
    input.setsTurn = flags == 1;
    if (input.setsTurn) {
        if (!in.has(8)) return false;
        input.setYaw = in.f32();
        input.setPitch = in.f32();
        if (!finiteTurn(input.setYaw, input.setPitch)) return error = "impossible turn in " + frame, false;
    }
    if (!in.has(1)) return false;
    const size_t turns = in.u8();
    if (turns > InputRecord::MAX_TURNS) return error = frame + " claims " + std::to_string(turns) + " turns", false;
    if (!in.has(turns * 8)) return false;
    for (size_t i = 0; i < turns; ++i) {
        input.turns[i][0] = in.f32();
        input.turns[i][1] = in.f32();
        if (!finiteTurn(input.turns[i][0], input.turns[i][1])) return error = "impossible turn in " + frame, false;
    }
    input.turnCount = uint8_t(turns);
    return true;
}

}

constexpr char Recording::MAGIC[9];

bool Recording::parse(const std::vector<uint8_t>& bytes, Recording& out, std::string& error) {
    out = Recording();
    error.clear();
    Cursor in(bytes);
    if (bytes.empty()) return error = "empty file", false;
    if (!in.has(8) || std::memcmp(bytes.data(), MAGIC, 8) != 0) return error = "not a spacefight recording", false;
    for (int i = 0; i < 8; ++i) in.u8();
    if (!in.has(2 + 1)) return error = "truncated header", false;
    const uint16_t format = in.u16();
    if (format > FORMAT) return error = "made by a newer spacefight (format " + std::to_string(format) + ")", false;
    if (format == 0) return error = "unknown format 0", false;
    out.format = format;
    const size_t versionLength = in.u8();
    if (!in.has(versionLength + 4)) return error = "truncated header", false;
    for (size_t i = 0; i < versionLength; ++i) out.programVersion += char(in.u8());
    out.seed = in.u32();
    if (format >= 4) {
        if (!in.has(2)) return error = "truncated header", false;
        const uint8_t mode = in.u8(), steering = in.u8();
        if (mode >= uint8_t(Mode::Count)) return error = "unknown mode " + std::to_string(mode), false;
        if (steering >= uint8_t(Steering::Count)) return error = "unknown steering " + std::to_string(steering), false;
        out.rules.mode = Mode(mode);
        out.rules.steering = Steering(steering);
    }
    uint32_t frames = 0;
    auto frameName = [&] { return "frame " + std::to_string(frames + 1); };
    // A cut inside an entry keeps what came before it, once there is a whole frame to play.
    auto truncated = [&](const std::string& what) {
        if (frames == 0) return error = what, false;
        out.cut = true;
        out.wholeFrames = frames;
        return true;
    };
    uint8_t previous = 0;   // the kind of the entry before
    while (!in.done()) {
        const size_t start = in.position();
        const uint8_t kind = in.u8();
        Entry entry;
        entry.kind = Entry::Kind(kind);
        if (kind == Entry::Frame) {
            if (!in.has(4 + 4)) return truncated("truncated " + frameName());
            entry.clock = in.u32();
            entry.frameTime = in.f32();
            if (!finite(entry.frameTime, 0.0f, MAX_FRAME_TIME))
                return error = "impossible frame time in " + frameName(), false;
            const bool whole = format >= 3 ? readRecord(in, entry.input, frameName(), error)
                                           : readCommands(in, entry.input, frameName(), error);
            if (!whole) return error.empty() ? truncated("truncated " + frameName()) : false;
            ++frames;
        } else if (kind == Entry::Checksum) {
            if (previous != Entry::Frame)
                return error = "checksum without a frame at byte " + std::to_string(start), false;
            if (!in.has(4 + 8)) return truncated("truncated checksum after frame " + std::to_string(frames));
            entry.frame = in.u32();
            entry.hash = in.u32();
            entry.hash |= uint64_t(in.u32()) << 32;
        } else if (kind == Entry::NewGame) {
            if (previous == Entry::NewGame)
                return error = "new game without a frame at byte " + std::to_string(start), false;
        } else {
            return error = "unknown entry at byte " + std::to_string(start), false;
        }
        previous = kind;
        out.entries.push_back(std::move(entry));
    }
    out.wholeFrames = frames;
    return true;
}

bool RecordingWriter::close() {
    std::string why;
    if (!file.close(why)) fail(why);
    return !failure;
}

bool RecordingWriter::open(const std::string& name, const std::string& programVersion, uint32_t seed,
                           const GameRules& rules, std::string& why) {
    close();
    path = name;
    failure = false;
    if (!file.open(path, why)) return false;
    header.assign(Recording::MAGIC, Recording::MAGIC + 8);
    putU16(header, Recording::FORMAT);
    const std::string version = programVersion.substr(0, 255);
    header.push_back(uint8_t(version.size()));
    header.insert(header.end(), version.begin(), version.end());
    putU32(header, seed);
    header.push_back(uint8_t(rules.mode));
    header.push_back(uint8_t(rules.steering));
    return true;
}

bool RecordingWriter::setRules(const GameRules& rules) {
    if (header.size() < 2) return false;
    header[header.size() - 2] = uint8_t(rules.mode);
    header[header.size() - 1] = uint8_t(rules.steering);
    return true;
}

void Recording::encodeFrame(std::vector<uint8_t>& out, uint32_t clock, float frameTime, const InputRecord& input) {
    out.push_back(Entry::Frame);
    putU32(out, clock);
    putFloat(out, frameTime);
    out.push_back(input.eventCount);
    for (unsigned i = 0; i < input.eventCount; ++i) {
        out.push_back(input.events[i].action);
        out.push_back(input.events[i].pressed ? 1 : 0);
    }
    out.push_back(input.setsTurn ? 1 : 0);
    if (input.setsTurn) {
        putFloat(out, input.setYaw);
        putFloat(out, input.setPitch);
    }
    out.push_back(input.turnCount);
    for (unsigned i = 0; i < input.turnCount; ++i) {
        putFloat(out, input.turns[i][0]);
        putFloat(out, input.turns[i][1]);
    }
}

void Recording::encodeChecksum(std::vector<uint8_t>& out, uint32_t frame, uint64_t hash) {
    out.push_back(Entry::Checksum);
    putU32(out, frame);
    putU32(out, uint32_t(hash));
    putU32(out, uint32_t(hash >> 32));
}

void RecordingWriter::frame(uint32_t clock, float frameTime, const InputRecord& input) {
    std::vector<uint8_t> out;
    Recording::encodeFrame(out, clock, frameTime, input);
    entries(out);
}

void RecordingWriter::entries(const std::vector<uint8_t>& encoded) {
    std::string why;
    put({});   // the header first: the file put in place is never without one
    // The game plays: its recording takes the place of whatever stood there.
    if (file.isOpen() && !failure && !file.committed() && !file.commit(why)) fail(why);
    put(encoded);
}

void RecordingWriter::newGame() {
    put({Recording::Entry::NewGame});
}

void RecordingWriter::checksum(uint32_t frame, uint64_t hash) {
    std::vector<uint8_t> out;
    Recording::encodeChecksum(out, frame, hash);
    put(out);
}

void RecordingWriter::put(const std::vector<uint8_t>& bytes) {
    if (!file.isOpen() || failure) return;
    // To the system at once: a crash of the game loses nothing written.
    std::string why;
    if (!header.empty()) {
        const std::vector<uint8_t> first = std::move(header);
        header.clear();
        if (!file.write(first, why)) return fail(why);
    }
    if (!bytes.empty() && !file.write(bytes, why)) fail(why);
}

void RecordingWriter::fail(const std::string& why) {
    if (failure) return;
    failure = true;
    reportWarning("cannot write the recording to " + path + ": " + why + "; play goes on unrecorded");
}
