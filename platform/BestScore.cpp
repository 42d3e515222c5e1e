#include "BestScore.h"

#include "ErrorReport.h"
#include "FileReader.h"
#include "FileWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr size_t LARGEST_FILE = FileReader::BEST_SCORE;

// One decimal number of at most 18 digits, optionally followed by a line break (\n or \r\n).
bool parse(const std::string& text, int64_t& out) {
    std::string digits = text;
    if (!digits.empty() && digits.back() == '\n') digits.pop_back();
    if (!digits.empty() && digits.back() == '\r') digits.pop_back();   // written on another system
    if (digits.empty() || digits.size() > 18) return false;
    int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    out = value;
    return true;
}

}

BestScore::BestScore(std::string path) : file(std::move(path)) {}

std::string BestScore::defaultPath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return std::string(data) + "/spacefight/best-score";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.local/share/spacefight/best-score";
    return "";
}

BestScore::Stored BestScore::read(int64_t& value) {
    value = 0;
    std::vector<uint8_t> bytes;
    std::string why;
    FileReader::Outcome outcome;
    if (!FileReader::readAsGiven(file, LARGEST_FILE, bytes, why, outcome)) {
        if (outcome == FileReader::Outcome::Missing) return Stored::Missing;
        if (outcome == FileReader::Outcome::TooLarge) {
            reportOnce("the best score in " + file + " is damaged; it is left as it is and no best is shown");
        } else {
            reportOnce("cannot read the best score in " + file + " (" + why +
                       "); it is left as it is and no best is shown");
        }
        return Stored::Damaged;
    }
    if (!parse(std::string(bytes.begin(), bytes.end()), value)) {
        reportOnce("the best score in " + file + " is damaged; it is left as it is and no best is shown");
        return Stored::Damaged;
    }
    return Stored::Read;
}

std::optional<int64_t> BestScore::load() {
    kept = 0;
    if (file.empty()) return kept;
    int64_t value = 0;
    if (read(value) == Stored::Damaged) kept.reset();
    else kept = value;
    return kept;
}

bool BestScore::offer(int64_t points) {
    // Shown as the best whatever the file says or whether it can be written:
    // the player has just made it.
    if (kept) kept = std::max(*kept, points);
    if (file.empty()) {
        reportOnce("the best score is not saved: neither XDG_DATA_HOME nor HOME says where it goes");
        return false;
    }
    // Through a link, the folder of the file it names is where the replacing happens.
    const fs::path target(FileWriter::target(file));
    if (!FileWriter::makeFolders(target.parent_path())) {
        reportOnce("cannot save the best score in " + file + ": " + std::strerror(errno));
        return false;
    }
    const FileWriter::FolderLock lock(target.parent_path());
    // Saved all the same, as without a second game: only a race with one could lose the larger.
    if (lock.failure != 0 && !lockReported) {
        lockReported = true;
        reportWarning("cannot lock " + target.parent_path().string() + " to save the best score (" +
                      std::strerror(lock.failure) + "); saving it unlocked");
    }
    int64_t stored = 0;
    // Another game may have saved meanwhile, or the file been damaged since.
    if (read(stored) == Stored::Damaged) return false;
    if (kept) kept = std::max(*kept, stored);
    if (points <= stored) return true;
    return write(points);
}

bool BestScore::write(int64_t points) {
    std::string why;
    if (FileWriter::replace(file, std::to_string(points) + "\n", why)) return true;
    reportOnce("cannot save the best score in " + file + ": " + why);
    return false;
}

void BestScore::reportOnce(const std::string& text) {
    if (reported) return;
    reported = true;
    reportWarning(text);
}
