#pragma once

#include <filesystem>
#include <string>

// The one way the game writes a file it keeps for the player (the settings,
// the best score): a temporary file beside it, flushed to the disk, then
// renamed over it, so a crash or a kill leaves the old file or the new one
// and never a mix.
class FileWriter {
public:
    // Every missing folder of `dir` made, private to the player like other
    // per-user state; false with errno set when one cannot be.
    static bool makeFolders(const std::filesystem::path& dir);
    // `text` into `path` atomically, with the old file's permissions; false
    // with the first failure's reason in `why`, the old file untouched.
    static bool replace(const std::string& path, const std::string& text, std::string& why);
};
