#include "PicturesDirectory.h"

#include "FileReader.h"

#include <cstdlib>
#include <vector>

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The value of one quoted assignment, escapes undone; false when it is not one.
bool quoted(const std::string& text, size_t at, std::string& value) {
    if (at >= text.size() || text[at] != '"') return false;
    value.clear();
    for (size_t i = at + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            // Nothing after it but blanks, or blanks and a comment.
            const size_t next = text.find_first_not_of(" \t\r", i + 1);
            return next == std::string::npos || (next > i + 1 && text[next] == '#');
        }
        if (c == '\\' && i + 1 < text.size()) value += text[++i];
        else value += c;
    }
    return false;   // no closing quote
}

}

std::string PicturesDirectory::fromUserDirs(const std::string& text, const std::string& home) {
    static const std::string KEY = "XDG_PICTURES_DIR=";
    std::string found;
    // The last assignment wins, as the shell that sources the file would have it.
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line.compare(first, KEY.size(), KEY) != 0) continue;
        std::string value;
        if (!quoted(line, first + KEY.size(), value)) continue;
        if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/')) {
            if (home.empty() || home[0] != '/') continue;
            value = home + value.substr(5);
        }
        bool plain = !value.empty() && value[0] == '/' && value.find('$') == std::string::npos;
        for (const unsigned char c : value) plain &= c >= ' ' && c != 127;
        if (!plain) continue;
        found = value;
    }
    return found;
}

std::string PicturesDirectory::find() {
    const std::string home = variable("HOME"), config = variable("XDG_CONFIG_HOME");
    const std::string folder = !config.empty() && config[0] == '/' ? config : home.empty() ? "" : home + "/.config";
    if (!folder.empty()) {
        std::vector<uint8_t> bytes;
        std::string why;
        if (FileReader::readAsGiven(folder + "/user-dirs.dirs", LONGEST_FILE, bytes, why)) {
            const std::string said = fromUserDirs(std::string(bytes.begin(), bytes.end()), home);
            if (!said.empty()) return said;
        }
    }
    const std::string named = variable("XDG_PICTURES_DIR");
    if (!named.empty() && named[0] == '/') return named;
    return !home.empty() && home[0] == '/' ? home + "/Pictures" : "";
}
