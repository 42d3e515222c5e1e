#include "BestScore.h"

#include "ErrorReport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr size_t LARGEST_FILE = 64;   // bytes; a number and a line break need far fewer

// One decimal number of at most 18 digits, optionally followed by a line break.
bool parse(const std::string& text, int64_t& out) {
    std::string digits = text;
    if (!digits.empty() && digits.back() == '\n') digits.pop_back();
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

int64_t BestScore::load() {
    kept = 0;
    if (file.empty()) return 0;
    std::error_code error;
    if (!fs::exists(file, error) && !error) return 0;   // no best yet
    std::ifstream in(file, std::ios::binary);
    std::string text(LARGEST_FILE + 1, '\0');
    if (in) in.read(text.data(), std::streamsize(text.size()));
    if (!in && !in.eof()) {
        reportOnce("cannot read the best score in " + file + "; counting none");
        return 0;
    }
    text.resize(size_t(in.gcount()));
    int64_t value = 0;
    if (text.size() > LARGEST_FILE || !parse(text, value)) {
        reportOnce("the best score in " + file + " is damaged; counting none");
        return 0;
    }
    kept = value;
    return kept;
}

bool BestScore::offer(int64_t points) {
    if (points <= kept) return true;
    if (!write(points)) return false;
    kept = points;
    return true;
}

bool BestScore::write(int64_t points) {
    if (file.empty()) return false;
    const fs::path target(file);
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    std::string temporary = (target.parent_path() / ".best-score.XXXXXX").string();
    int failure = 0;   // the first errno
    auto step = [&](bool done) {
        if (!done && failure == 0) failure = errno != 0 ? errno : ENOSPC;   // a short write sets none
        return done;
    };
    errno = 0;
    const int fd = mkstemp(temporary.data());
    if (step(fd >= 0)) {
        const std::string text = std::to_string(points) + "\n";
        bool ok = step(::write(fd, text.data(), text.size()) == ssize_t(text.size()));
        ok = step(::fsync(fd) == 0) && ok;
        ok = step(::close(fd) == 0) && ok;
        if (!ok || !step(std::rename(temporary.c_str(), file.c_str()) == 0)) std::remove(temporary.c_str());
    }
    if (failure != 0) {
        reportOnce("cannot save the best score in " + file + ": " + std::strerror(failure));
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int dir = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void BestScore::reportOnce(const std::string& text) {
    if (reported) return;
    reported = true;
    reportError(text);
}
