#pragma once

#include <cstdint>
#include <cstdio>
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
    static constexpr uint16_t FORMAT = 1;
    static constexpr size_t MAX_COMMANDS = 4096;   // per frame; no player makes more

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
    uint32_t seed = 0;             // the random draws' seed
    std::vector<Entry> entries;

    // Reads a whole recording; false with `error` saying what is wrong (one
    // phrase, no file name). Every count is checked against what is left.
    static bool parse(const std::vector<uint8_t>& bytes, Recording& out, std::string& error);
};

// Writes a recording as the game goes: each entry reaches the file before the
// next frame, so a crash or a kill keeps everything to the last whole frame.
class RecordingWriter {
public:
    RecordingWriter() = default;
    ~RecordingWriter() { close(); }
    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;
    void close();
    bool open(const std::string& path, const std::string& programVersion, uint32_t seed);
    void frame(uint32_t clock, float frameTime, const std::vector<Command>& commands);
    void newGame();
    void checksum(uint32_t frame, uint64_t hash);
    bool isOpen() const { return file != nullptr; }

private:
    void put(const std::vector<uint8_t>& bytes);
    std::FILE* file = nullptr;
};
