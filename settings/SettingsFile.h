#pragma once

#include "Settings.h"

#include <string>
#include <vector>

// The player's settings file, read at start and written back with what was
// changed in the game. The file stays the player's: comments, blank lines,
// the order of lines, unknown keys and lines that were refused are kept; a
// changed setting's line takes the new value in place, and a setting the
// file did not have is added at the end. What the command line said for
// this run alone is never written.
class SettingsFile {
public:
    explicit SettingsFile(std::string path = "", bool named = false);
    const std::string& path() const { return file; }

    // Reads the file over `settings`; the warnings as Settings::read gives them.
    std::vector<std::string> read(Settings& settings) const { return settings.read(file, named); }
    // What is in effect now, the command line's word included, counts as unchanged.
    void settle(const Settings& inEffect) { base = inEffect; }
    // Whether anything the file holds differs from what was settled.
    bool changed(const Settings& now) const;
    // Writes what changed into the file as it is on disk now, atomically:
    // a crash leaves the old file or the new one. Returns a warning the first
    // time the file cannot be written (or read back first), else "".
    std::string save(const Settings& now);

    // `text` with every setting that differs between `before` and `now`
    // written into it, such that reading the result gives what `text` said
    // with those settings as they are in `now`.
    static std::string rewrite(const std::string& text, const Settings& before, const Settings& now);

private:
    std::string file;
    bool named;
    Settings base;
    bool warned = false;
};
