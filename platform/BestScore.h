#pragma once

#include <cstdint>
#include <string>

// The best points ever made, kept in a file of one line (the number). A
// missing file means no best yet. An unreadable or corrupt one is reported
// once on standard error and counts as no best; a failed save is reported
// once and leaves the old file as it was. Neither ever stops the game.
class BestScore {
public:
    explicit BestScore(std::string path);

    // $XDG_DATA_HOME/spacefight/best-score, or ~/.local/share/spacefight/best-score
    // when the variable is unset or empty; empty when neither can be found.
    static std::string defaultPath();

    int64_t load();              // the kept best, 0 without one
    // Keeps `points` when it beats what is kept. Written to a temporary file
    // in the same folder, flushed to disk and renamed over the old one, so a
    // crash or a full disk never loses the old best. True when kept (or not
    // better); false when it could not be written.
    bool offer(int64_t points);
    int64_t best() const { return kept; }

    const std::string& path() const { return file; }

private:
    bool write(int64_t points);
    void reportOnce(const std::string& text);

    std::string file;
    int64_t kept = 0;
    bool reported = false;
};
