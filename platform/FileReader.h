#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The one way the game reads a whole file: recordings, settings, the best
// score, pictures, models, masks. Only a regular file is read, and only when
// the size its open descriptor reports is within the limit its kind allows,
// so a folder, a FIFO, a device or a file far larger than any of its kind is
// refused before a byte is read or a buffer sized. Opening never waits: a
// FIFO without a writer is refused as at once as a folder is.
class FileReader {
public:
    // Limits per kind, far beyond what the game's own files or a player's need.
    static constexpr size_t PICTURE = 64u << 20;   // a 4096 x 4096 true-colour picture with room to spare
    static constexpr size_t MODEL = 16u << 20;
    static constexpr size_t SETTINGS = 1u << 20;
    static constexpr size_t BEST_SCORE = 64;      // a number and a line break
    static constexpr size_t SOUND = 16u << 20;    // a minute and a half of CD-quality sound
    static constexpr size_t MUSIC = 16u << 20;

    // Reads the file a game name stands for ("../bin/x": x in the data folder)
    // into `out`. False with `why` saying the reason in a few words: the
    // system's own (strerror), "not a regular file", or "over 1 MiB".
    static bool read(const std::string& path, size_t limit, std::vector<uint8_t>& out, std::string& why);
    // The same, saying also which way it failed: no such file is normal to some callers.
    enum class Outcome { Read, Missing, TooLarge, Unreadable };
    static bool read(const std::string& path, size_t limit, std::vector<uint8_t>& out, std::string& why,
                     Outcome& outcome);
    // A file the player named (--replay, --config, the best score's place):
    // the path means what it says, "../bin/" included.
    static bool readAsGiven(const std::string& path, size_t limit, std::vector<uint8_t>& out, std::string& why,
                            Outcome& outcome);
    static bool readAsGiven(const std::string& path, size_t limit, std::vector<uint8_t>& out, std::string& why);
    // "1 MiB", "64 KiB", "64 bytes": how a limit is named in a message.
    static std::string sizeName(size_t bytes);
};
