#include "DataDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The one file every candidate is tested by.
const char* const PROBE = "data/fonts/font_256x256.raw";
const std::string GAME_PREFIX = "../bin/";

// Absolute, so that nothing depends on the working directory afterwards;
// empty until a folder is found.
std::string root;

}

std::vector<std::string> DataDirectory::candidates(const std::string& explicitDir, const std::string& exeDir) {
    // A folder named on the command line is the player's choice: nothing else is tried.
    if (!explicitDir.empty()) return {explicitDir};
    std::vector<std::string> dirs;
    const char* env = std::getenv("SPACEFIGHT_DATA");
    if (env && *env) dirs.push_back(env);
    // Beside the program before the working directory: an installed game must
    // not be handed another folder's files because of where it was started.
    if (!exeDir.empty()) {
        dirs.push_back(exeDir + "/../bin");
        dirs.push_back(exeDir + "/../share/games/spacefight");
    }
    dirs.push_back("../bin");
    return dirs;
}

bool DataDirectory::holdsData(const std::string& dir) {
    std::error_code error;
    return fs::is_regular_file(fs::path(dir) / PROBE, error);
}

bool DataDirectory::find(const std::string& explicitDir, std::string& lookedIn) {
    lookedIn.clear();
    for (const std::string& dir : candidates(explicitDir, programDir())) {
        if (holdsData(dir)) {
            std::error_code error;
            const fs::path absolute = fs::absolute(dir, error);
            setRoot(error ? dir : absolute.lexically_normal().string());
            return true;
        }
        lookedIn += (lookedIn.empty() ? "" : ", ") + dir;
    }
    return false;
}

std::string DataDirectory::resolve(const std::string& name) {
    if (root.empty() || name.compare(0, GAME_PREFIX.size(), GAME_PREFIX) != 0) return name;
    return root + name.substr(GAME_PREFIX.size());
}

void DataDirectory::setRoot(const std::string& dir) {
    root = dir;
    if (!root.empty() && root.back() != '/') root += '/';
}

std::string DataDirectory::programDir() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}
