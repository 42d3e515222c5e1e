#pragma once

#include <string>

// The player's pictures folder, as the desktop's user folders name it: the
// XDG_PICTURES_DIR line of $XDG_CONFIG_HOME/user-dirs.dirs (~/.config/...
// without the variable), which xdg-user-dir reads too; else the variable
// XDG_PICTURES_DIR itself; else ~/Pictures. Empty when none can be named
// (no HOME and nothing absolute said).
class PicturesDirectory {
public:
    static std::string find();

    // The folder a user-dirs.dirs file says, "" when it says none that can
    // be used. Its lines are shell assignments: XDG_PICTURES_DIR="$HOME/x"
    // or "/x", backslash escapes, # comments; a relative path is no folder.
    // Any bytes may come (fuzzed).
    static std::string fromUserDirs(const std::string& text, const std::string& home);

    static constexpr size_t LONGEST_FILE = 64u << 10;   // bytes; the desktop's own is under 1 KiB
};
