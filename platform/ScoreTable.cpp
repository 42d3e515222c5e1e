#include "ScoreTable.h"

#include "ErrorReport.h"
#include "FileReader.h"
#include "FileWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr size_t LARGEST_FILE = 1024;   // ten lines of at most 40 bytes, with room

bool digits(const std::string& word, size_t most, int64_t& out) {
    if (word.empty() || word.size() > most) return false;
    int64_t value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    out = value;
    return true;
}

bool isDate(const std::string& d) {
    if (d == "-") return true;
    if (d.size() != 10 || d[4] != '-' || d[7] != '-') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (d[i] < '0' || d[i] > '9') return false;
    }
    return true;
}

bool better(const ScoreTable::Entry& a, const ScoreTable::Entry& b) {
    return a.points != b.points ? a.points > b.points : a.wave > b.wave;
}

}

ScoreTable::ScoreTable(std::string path, std::string d) : file(std::move(path)), day(std::move(d)) {}

bool ScoreTable::parse(const std::string& text, std::vector<Entry>& out) {
    out.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();   // written on another system
        if (out.size() == PLACES) return false;
        // Exactly three words with one blank between each.
        const size_t a = line.find(' '), b = a == std::string::npos ? a : line.find(' ', a + 1);
        if (b == std::string::npos || line.find(' ', b + 1) != std::string::npos) return false;
        Entry entry;
        int64_t wave = 0;
        if (!digits(line.substr(0, a), 18, entry.points) || !digits(line.substr(a + 1, b - a - 1), 6, wave)) return false;
        entry.wave = unsigned(wave);
        entry.date = line.substr(b + 1);
        if (!isDate(entry.date)) return false;
        out.push_back(entry);
    }
    // Ten places at most: an insertion keeps equals in the file's order, as a
    // stable sort would, without the temporary buffer this library's stable
    // sort takes with one allocator and gives back to another (the address
    // sanitizer stops the program there).
    for (size_t i = 1; i < out.size(); ++i)
        for (size_t j = i; j > 0 && better(out[j], out[j - 1]); --j) std::swap(out[j], out[j - 1]);
    return true;
}

std::string ScoreTable::format(const std::vector<Entry>& entries) {
    std::string text;
    for (const Entry& e : entries) text += std::to_string(e.points) + " " + std::to_string(e.wave) + " " + e.date + "\n";
    return text;
}

std::string ScoreTable::dateOf(int64_t utcSeconds) {
    const std::time_t t = static_cast<std::time_t>(utcSeconds);
    std::tm d{};
    if (!gmtime_r(&t, &d)) return "-";
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &d);
    return text;
}

int ScoreTable::place(std::vector<Entry>& entries, const Entry& game) {
    // Below every entry that is as good: the one made first keeps its place.
    size_t at = 0;
    while (at < entries.size() && !better(game, entries[at])) ++at;
    if (at >= PLACES) return -1;
    entries.insert(entries.begin() + long(at), game);
    if (entries.size() > PLACES) entries.resize(PLACES);
    return int(at);
}

void ScoreTable::keepDay(std::vector<Entry>& entries) const {
    if (day.empty()) return;
    entries.erase(std::remove_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.date != day; }),
                  entries.end());
}

ScoreTable::Stored ScoreTable::read(std::vector<Entry>& out) {
    out.clear();
    std::vector<uint8_t> bytes;
    std::string why;
    FileReader::Outcome outcome;
    if (!FileReader::readAsGiven(file, LARGEST_FILE, bytes, why, outcome)) {
        if (outcome == FileReader::Outcome::Missing) return Stored::Missing;
        reportOnce(outcome == FileReader::Outcome::TooLarge
                       ? "the table of best games in " + file + " is damaged; it is left as it is and not shown"
                       : "cannot read the table of best games in " + file + " (" + why +
                             "); it is left as it is and not shown");
        return Stored::Damaged;
    }
    if (!parse(std::string(bytes.begin(), bytes.end()), out)) {
        out.clear();
        reportOnce("the table of best games in " + file + " is damaged; it is left as it is and not shown");
        return Stored::Damaged;
    }
    keepDay(out);
    return Stored::Read;
}

bool ScoreTable::load() {
    shown.clear();
    broken = false;
    if (file.empty()) return true;
    broken = read(shown) == Stored::Damaged;
    return !broken;
}

int ScoreTable::offer(const Entry& game) {
    if (broken) return -1;
    if (file.empty()) return place(shown, game);   // nowhere to keep it: shown for this run
    const fs::path target(FileWriter::target(file));
    if (!FileWriter::makeFolders(target.parent_path())) {
        reportOnce("cannot save the table of best games in " + file + ": " + std::strerror(errno));
        return place(shown, game);
    }
    const FileWriter::FolderLock lock(target.parent_path());
    // Another game may have placed one meanwhile, or the file been damaged since.
    std::vector<Entry> stored;
    if (read(stored) == Stored::Damaged) {
        broken = true;
        shown.clear();
        return -1;
    }
    const int at = place(stored, game);
    shown = stored;
    if (at < 0) return at;
    std::string why;
    if (!FileWriter::replace(file, format(stored), why))
        reportOnce("cannot save the table of best games in " + file + ": " + why);
    return at;
}

void ScoreTable::reportOnce(const std::string& text) {
    if (reported) return;
    reported = true;
    reportWarning(text);
}
