#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The ten best games of one mode, kept in a file of one line a game: the
// points, the wave reached (0 where the mode has none) and the UTC date
// ("2026-12-08", or "-" where it is not known), best first. It is kept as
// the best score is: a missing file is an empty table; a damaged or
// unreadable one is said once, never overwritten, and no table is shown; a
// game is placed under a lock on the folder after reading the file again,
// and the file replaced whole, so a crash or a second game at once loses
// nothing.
class ScoreTable {
public:
    static constexpr size_t PLACES = 10;
    struct Entry {
        int64_t points = 0;
        unsigned wave = 0;
        std::string date = "-";
        bool operator==(const Entry& o) const { return points == o.points && wave == o.wave && date == o.date; }
    };

    // `day`: a table of that day alone ("" keeps every day); the entries of
    // other days are dropped as it is read.
    explicit ScoreTable(std::string path, std::string day = "");

    // The kept table; false when the file is damaged or cannot be read.
    bool load();
    // Places a finished game: its place from 0, or -1 when it is not among
    // the ten (or the table could not be read again). An equal score already
    // there keeps the higher place. What is shown holds the game either way.
    int offer(const Entry& game);
    // The table as shown; empty while the file is damaged.
    const std::vector<Entry>& entries() const { return shown; }
    bool damaged() const { return broken; }
    const std::string& path() const { return file; }

    // The file's text to entries, best first: false for anything that is not
    // such a file (a bad line, more than ten, a number past its digits).
    static bool parse(const std::string& text, std::vector<Entry>& out);
    static std::string format(const std::vector<Entry>& entries);
    // "YYYY-MM-DD" of a UTC time.
    static std::string dateOf(int64_t utcSeconds);
    // Where `game` goes among `entries` (best first): its place, or -1.
    static int place(std::vector<Entry>& entries, const Entry& game);

private:
    enum class Stored { Missing, Read, Damaged };
    Stored read(std::vector<Entry>& out);
    void keepDay(std::vector<Entry>& entries) const;
    void reportOnce(const std::string& text);

    std::string file;
    std::string day;
    std::vector<Entry> shown;
    bool broken = false;
    bool reported = false;
};
