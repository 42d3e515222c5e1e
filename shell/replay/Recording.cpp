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

}

constexpr char Recording::MAGIC[9];

bool Recording::parse(const std::vector<uint8_t>& bytes, Recording& out, std::string& error) {
    out = Recording();
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
    uint32_t frames = 0;
    auto frameName = [&] { return "frame " + std::to_string(frames + 1); };
    // A cut inside an entry keeps what came before it, once there is a whole frame to play.
    auto truncated = [&](const std::string& what) {
        if (frames == 0) return error = what, false;
        out.cut = true;
        out.wholeFrames = frames;
        return true;
    };
    auto finite = [](float v, float low, float high) { return std::isfinite(v) && v >= low && v <= high; };
    uint8_t previous = 0;   // the kind of the entry before
    while (!in.done()) {
        const size_t start = in.position();
        const uint8_t kind = in.u8();
        Entry entry;
        entry.kind = Entry::Kind(kind);
        if (kind == Entry::Frame) {
            if (!in.has(4 + 4 + 2)) return truncated("truncated " + frameName());
            entry.clock = in.u32();
            entry.frameTime = in.f32();
            if (!finite(entry.frameTime, 0.0f, MAX_FRAME_TIME))
                return error = "impossible frame time in " + frameName(), false;
            const size_t count = in.u16();
            if (count > MAX_COMMANDS)
                return error = frameName() + " claims " + std::to_string(count) + " commands", false;
            if (!in.has(count * COMMAND_BYTES)) return truncated("truncated " + frameName());
            entry.commands.reserve(count);
            for (size_t i = 0; i < count; ++i) {
                Command c;
                const uint8_t k = in.u8();
                if (k < Command::Turn || k > Command::Release)
                    return error = "unknown command in " + frameName(), false;
                c.kind = Command::Kind(k);
                c.action = in.u8();
                c.a = in.f32();
                c.b = in.f32();
                if (!finite(c.a, -MAX_TURN, MAX_TURN) || !finite(c.b, -MAX_TURN, MAX_TURN))
                    return error = "impossible turn in " + frameName(), false;
                entry.commands.push_back(c);
            }
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
                           std::string& why) {
    close();
    path = name;
    failure = false;
    if (!file.open(path, why)) return false;
    std::vector<uint8_t> header(Recording::MAGIC, Recording::MAGIC + 8);
    putU16(header, Recording::FORMAT);
    const std::string version = programVersion.substr(0, 255);
    header.push_back(uint8_t(version.size()));
    header.insert(header.end(), version.begin(), version.end());
    putU32(header, seed);
    put(header);
    return true;
}

void RecordingWriter::frame(uint32_t clock, float frameTime, const std::vector<Command>& commands) {
    std::string why;
    // The game plays: its recording takes the place of whatever stood there.
    if (file.isOpen() && !failure && !file.committed() && !file.commit(why)) fail(why);
    std::vector<uint8_t> out = {Recording::Entry::Frame};
    putU32(out, clock);
    putFloat(out, frameTime);
    const size_t count = std::min(commands.size(), Recording::MAX_COMMANDS);
    putU16(out, uint16_t(count));
    for (size_t i = 0; i < count; ++i) {
        out.push_back(commands[i].kind);
        out.push_back(commands[i].action);
        putFloat(out, commands[i].a);
        putFloat(out, commands[i].b);
    }
    put(out);
}

void RecordingWriter::newGame() {
    put({Recording::Entry::NewGame});
}

void RecordingWriter::checksum(uint32_t frame, uint64_t hash) {
    std::vector<uint8_t> out = {Recording::Entry::Checksum};
    putU32(out, frame);
    putU32(out, uint32_t(hash));
    putU32(out, uint32_t(hash >> 32));
    put(out);
}

void RecordingWriter::put(const std::vector<uint8_t>& bytes) {
    if (!file.isOpen() || failure) return;
    // To the system at once: a crash of the game loses nothing written.
    std::string why;
    if (!file.write(bytes, why)) fail(why);
}

void RecordingWriter::fail(const std::string& why) {
    if (failure) return;
    failure = true;
    reportWarning("cannot write the recording to " + path + ": " + why + "; play goes on unrecorded");
}
