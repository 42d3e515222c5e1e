#pragma once

#include "platform/FileWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// One thing that reached the game in a frame: a pointer or stick turn, or a
// bound action pressed or released. Input is turned into these before the
// game sees it, so a recording holds exactly what play was made of.
struct Command {
    enum Kind : uint8_t { Turn = 1, SetTurn = 2, Press = 3, Release = 4 };
    Kind kind = Turn;
    uint8_t action = 0;   // Press, Release: the action's number
    float a = 0.0f;       // Turn, SetTurn: yaw rate (added, or set)
    float b = 0.0f;       //                pitch rate
};

// A recorded game, as written by --record and read by --replay: a header,
// then entries in the order they happened.
struct Recording {
    static constexpr char MAGIC[9] = "SFREPLAY";
    // 2: the arrow keys' commands carry the player's pitch inversion, and a
    // checksum closes each game and the file. Format 1 files read the same.
    static constexpr uint16_t FORMAT = 2;
    static constexpr size_t MAX_COMMANDS = 4096;   // per frame; no player makes more
    static constexpr float MAX_FRAME_TIME = 10.0f; // seconds; a stall of over one is never flown
    // A pointer move across the widest screen at the top sensitivity turns under 40.
    static constexpr float MAX_TURN = 100.0f;
    static constexpr size_t MAX_BYTES = 64u << 20; // about twenty hours of play

    struct Entry {
        enum Kind : uint8_t { Frame = 'F', NewGame = 'N', Checksum = 'C' };
        Kind kind = Frame;
        uint32_t clock = 0;        // Frame: the game clock in the frame, ms
        float frameTime = 0.0f;    // Frame: the seconds every motion of the frame was scaled by
        std::vector<Command> commands;   // Frame
        uint32_t frame = 0;        // Checksum: frames played when it was taken
        uint64_t hash = 0;         // Checksum: the game state's
    };

    std::string programVersion;
    uint16_t format = FORMAT;
    uint32_t seed = 0;             // the random draws' seed
    std::vector<Entry> entries;
    // The file ends inside an entry (a crash or a kill while writing it):
    // everything to the last whole frame is kept, and `cut` says so.
    bool cut = false;
    uint32_t wholeFrames = 0;

    // Reads a whole recording; false with `error` saying what is wrong (one
    // phrase, no file name). Every count is checked against what is left, and
    // every number against what play can make. A file cut inside an entry
    // after its first whole frame is read to there; one cut sooner is refused.
    // Two new games, or two checksums, without a frame between them are
    // damage: so no entry costs more than a frame's bytes in memory.
    static bool parse(const std::vector<uint8_t>& bytes, Recording& out, std::string& error);
};

// Writes a recording as the game goes: each entry reaches the file before the
// next frame, so a crash or a kill keeps everything to the last whole frame.
// Until the first frame is played the recording stands in a temporary file
// beside its place: a start that fails leaves an older recording there as it
// was, and the first frame puts the new one in its place.
class RecordingWriter {
public:
    RecordingWriter() = default;
    ~RecordingWriter() { close(); }
    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;
    // Closes the file; false when it, or anything before it, failed.
    bool close();
    // False with `why` when the file cannot be made (the one writer's rule).
    bool open(const std::string& path, const std::string& programVersion, uint32_t seed, std::string& why);
    void frame(uint32_t clock, float frameTime, const std::vector<Command>& commands);
    void newGame();
    void checksum(uint32_t frame, uint64_t hash);
    bool isOpen() const { return file.isOpen(); }
    // The first write, flush or close that failed was reported once as a
    // warning naming the file and the reason; nothing more is written.
    bool failed() const { return failure; }

private:
    void put(const std::vector<uint8_t>& bytes);
    void fail(const std::string& why);
    FileWriter::Pending file;
    std::string path;
    bool failure = false;
};
