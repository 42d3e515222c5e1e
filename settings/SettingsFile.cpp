#include "SettingsFile.h"

#include "platform/FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

const char* const HEADER = "# spacefight settings: key = value, # starts a comment.";

// `line` (a `key = value` line that was read without a warning) with its
// value replaced; the spacing and a comment after it stay.
std::string withValue(const std::string& line, const std::string& value) {
    const size_t eq = line.find('=');
    size_t stop = std::min(line.find('#'), line.size());
    size_t begin = line.find_first_not_of(" \t", eq + 1);
    if (begin == std::string::npos || begin > stop) begin = stop;
    size_t end = stop;
    while (end > begin && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r')) --end;
    return line.substr(0, begin) + value + line.substr(end);
}

bool isKeyBinding(const std::string& key) {
    return key.compare(0, 4, "key.") == 0;
}

// True when some line sets a setting, or nothing but comments and blank lines stand there.
bool holdsSettings(const std::string& text) {
    Settings said;
    std::vector<std::string> lineKeys;
    const bool warned = !said.parse("", text, &lineKeys).empty();
    return !warned || std::any_of(lineKeys.begin(), lineKeys.end(), [](const std::string& k) { return !k.empty(); });
}


}

SettingsFile::SettingsFile(std::string path, bool named) : file(std::move(path)), named(named) {}

bool SettingsFile::changed(const Settings& now) const {
    for (const std::string& key : Settings::keyNames()) {
        if (now.valueText(key) != base.valueText(key)) return true;
    }
    return false;
}

std::string SettingsFile::rewrite(const std::string& text, const Settings& before, const Settings& now) {
    Settings said;
    std::vector<std::string> lineKeys;
    said.parse("", text, &lineKeys);
    Settings target = said;
    std::vector<std::string> changedKeys;
    for (const std::string& key : Settings::keyNames()) {
        if (isKeyBinding(key) || before.valueText(key) == now.valueText(key)) continue;
        changedKeys.push_back(key);
        target.set(key, now.valueText(key));
    }
    const bool bindings = before.keys != now.keys;
    if (bindings) target.keys = now.keys;
    if (changedKeys.empty() && !bindings) return text;

    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const size_t newline = text.find('\n');
    const std::string ending = newline != std::string::npos && newline > 0 && text[newline - 1] == '\r' ? "\r\n" : "\n";
    const bool endsOpen = !text.empty() && text.back() != '\n';

    // A binding can move keys of other actions, so a few lines in place may
    // not say the whole table; then every action gets its line, and failing
    // that, the whole of it goes at the end, which always reads back right.
    std::string result;
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::vector<std::string> keys = changedKeys;
        for (const std::string& key : Settings::keyNames()) {
            if (!isKeyBinding(key) || !bindings) continue;
            if (attempt > 0 || target.valueText(key) != said.valueText(key)) keys.push_back(key);
        }
        if (attempt == 2) keys = Settings::keyNames();
        std::vector<std::string> out = lines;
        std::string appended;
        for (const std::string& key : keys) {
            size_t last = lineKeys.size();
            for (size_t i = 0; attempt < 2 && i < lineKeys.size(); ++i) {
                if (lineKeys[i] == key) last = i;
            }
            if (last < lineKeys.size()) out[last] = withValue(out[last], target.valueText(key));
            else appended += key + " = " + target.valueText(key) + ending;
        }
        result.clear();
        if (text.empty()) result = HEADER + ending;
        for (size_t i = 0; i < out.size(); ++i) result += out[i] + (i + 1 < out.size() || !endsOpen ? "\n" : "");
        if (endsOpen && !appended.empty()) result += ending;
        result += appended;
        Settings again;
        again.parse("", result);
        if (again.example() == target.example()) break;
    }
    return result;
}

std::string SettingsFile::save(const Settings& now) {
    if (file.empty() || !changed(now)) return "";
    auto once = [&](const std::string& why) {
        if (warned) return std::string();
        warned = true;
        return "cannot save the settings to " + file + " (" + why + "); the file is left as it was";
    };
    // A link stays a link: the file it points to is the one replaced.
    std::error_code error;
    std::string path = file;
    if (fs::is_symlink(path, error)) {
        const fs::path real = fs::weakly_canonical(path, error);
        if (error) return once(error.message());
        path = real.string();
    }
    // Two games saving at once would both read the old file and the second
    // rename would lose the first one's change: read, merge and replace
    // under a lock. Where no lock can be had (NFS) the save goes on unlocked.
    const FileWriter::FolderLock lock(fs::path(path).parent_path());
    // Read again now: the player may have edited it while playing.
    std::string text, why;
    bool missing = false;
    if (!Settings::readFile(path, text, missing, why) && !missing) return once("it cannot be read: " + why);
    // A file in which no line is a setting is some other file the player
    // named (a copy of /etc/passwd once got "invert_pitch = on" appended).
    if (!missing && !holdsSettings(text)) return once("no line of it is a setting: it is not a settings file");
    // A file the player made read-only is theirs to keep as it is.
    if (!missing && ::access(path.c_str(), W_OK) != 0) return once(std::strerror(errno));
    if (!FileWriter::replace(path, rewrite(text, base, now), why)) return once(why);
    base = now;
    return "";
}
