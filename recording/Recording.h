#pragma once

#include "game/GameRules.h"
#include "game/InputRecord.h"
#include "platform/FileWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// A recorded game, as written by --record and read by --replay: a header,
// then entries in the order they happened.
struct Recording {
    static constexpr char MAGIC[9] = "SFREPLAY";
    // 4: the header holds the game's rules (mode and steering); every older
    // file plays classic with the design's steering.
    // 3: each frame holds the game's input record. 2: a list of commands a
    // frame, the arrow keys' carrying the player's pitch inversion, and a
    // checksum closing each game and the file; format 1 reads the same. Both
    // older ones read into records that play exactly as their commands did.
    static constexpr uint16_t FORMAT = 4;
    static constexpr size_t MAX_COMMANDS = 4096;   // per frame of formats 1 and 2; no player makes more
    static constexpr float MAX_FRAME_TIME = 10.0f; // seconds; a stall of over one is never flown
    static constexpr float MAX_TURN = InputRecord::MAX_TURN;
    static constexpr size_t MAX_BYTES = 64u << 20; // about twenty hours of play

    struct Entry {
        enum Kind : uint8_t { Frame = 'F', NewGame = 'N', Checksum = 'C' };
        Kind kind = Frame;
        uint32_t clock = 0;        // Frame: the game clock in the frame, ms
        float frameTime = 0.0f;    // Frame: the seconds every motion of the frame was scaled by
        InputRecord input;         // Frame
        uint32_t frame = 0;        // Checksum: frames played when it was taken
        uint64_t hash = 0;         // Checksum: the game state's
    };

    std::string programVersion;
    uint16_t format = FORMAT;
    uint32_t seed = 0;             // the random draws' seed
    GameRules rules;
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

    // An entry as the file holds it, appended to `out`: a frame's is some
    // twelve bytes where the record in memory is over a hundred.
    static void encodeFrame(std::vector<uint8_t>& out, uint32_t clock, float frameTime, const InputRecord& input);
    static void encodeChecksum(std::vector<uint8_t>& out, uint32_t frame, uint64_t hash);
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
    bool open(const std::string& path, const std::string& programVersion, uint32_t seed, const GameRules& rules,
              std::string& why);
    // The rules change before the first frame (chosen on the start screen):
    // the header, written with the first entry, says them. False once it is written.
    bool setRules(const GameRules& rules);
    void frame(uint32_t clock, float frameTime, const InputRecord& input);
    void newGame();
    void checksum(uint32_t frame, uint64_t hash);
    // Entries already encoded, frames among them, as the calls above write them.
    void entries(const std::vector<uint8_t>& encoded);
    bool isOpen() const { return file.isOpen(); }
    // The first write, flush or close that failed was reported once as a
    // warning naming the file and the reason; nothing more is written.
    bool failed() const { return failure; }

private:
    void put(const std::vector<uint8_t>& bytes);
    void fail(const std::string& why);
    FileWriter::Pending file;
    std::vector<uint8_t> header;   // until the first entry: then written ahead of it
    std::string path;
    bool failure = false;
};
