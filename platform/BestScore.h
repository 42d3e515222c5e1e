#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The best points ever made, kept in a file of one line (the number). A
// missing file means no best yet. A file that cannot be read or parsed is the
// player's record all the same: it is reported once on standard error, never
// overwritten, and the best counts as unknown. A failed save is reported once
// and leaves the old file as it was. Nothing here ever stops the game.
class BestScore {
public:
    explicit BestScore(std::string path);

    // $XDG_DATA_HOME/spacefight/best-score, or ~/.local/share/spacefight/best-score
    // when the variable is unset or empty; empty when neither can be found.
    static std::string defaultPath();

    // The kept best: 0 without a file, nothing when the file is damaged or unreadable.
    std::optional<int64_t> load();

    // Keeps `points` when it beats the stored best. Under an advisory lock on
    // the folder (made 0700 when missing), the stored best is read again, so
    // two games ending at once keep the larger; the file is then written to a
    // temporary one beside it, flushed and renamed over the old one, so a
    // crash or a full disk never loses the old best. True when the file holds
    // the larger of the two afterwards; false when it could not be written or
    // is damaged. best() is right either way. A lock that cannot be taken is
    // reported once, and the score saved all the same.
    bool offer(int64_t points);

    // What the game-over screen shows: the larger of the stored best and every
    // offer, or nothing while the stored best is unknown.
    std::optional<int64_t> best() const { return kept; }

    const std::string& path() const { return file; }

private:
    enum class Stored { Missing, Read, Damaged };
    Stored read(int64_t& value);
    bool write(int64_t points);
    void reportOnce(const std::string& text);

    std::string file;
    std::optional<int64_t> kept = 0;
    bool reported = false;
    bool lockReported = false;   // a lock that failed: said once, apart from the rest
};
