#include "DataDirectory.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The one file every candidate is tested by.
const char* const PROBE = "data/fonts/font_256x256.raw";

// A private folder holding "bin" (a link to the data) and "game" (the working
// directory), for data whose folder is not itself named "bin". Removed again
// when the process exits.
std::string farm;

void removeFarm() {
    if (farm.empty()) return;
    std::error_code ignored;
    fs::current_path("/", ignored);
    fs::remove_all(farm, ignored);
    farm.clear();
}

bool enterDirectory(const fs::path& data) {
    std::error_code error;
    const fs::path real = fs::canonical(data, error);
    if (error) return false;
    if (real.filename() == "bin") {
        fs::current_path(real, error);   // from "bin", "../bin" is itself
        return !error;
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/spacefight-XXXXXX";
    if (!mkdtemp(pattern.data())) return false;
    farm = pattern;
    static bool hooked = false;
    if (!hooked) {
        std::atexit(removeFarm);
        hooked = true;
    }
    fs::create_symlink(real, fs::path(farm) / "bin", error);
    if (!error) fs::create_directory(fs::path(farm) / "game", error);
    if (!error) fs::current_path(fs::path(farm) / "game", error);
    if (error) removeFarm();
    return !error;
}

}

std::vector<std::string> DataDirectory::candidates(const std::string& explicitDir, const std::string& exeDir) {
    // A folder named on the command line is the player's choice: nothing else is tried.
    if (!explicitDir.empty()) return {explicitDir};
    std::vector<std::string> dirs;
    const char* env = std::getenv("SPACEFIGHT_DATA");
    if (env && *env) dirs.push_back(env);
    dirs.push_back("../bin");
    if (!exeDir.empty()) {
        dirs.push_back(exeDir + "/../bin");
        dirs.push_back(exeDir + "/../share/games/spacefight");
    }
    return dirs;
}

bool DataDirectory::holdsData(const std::string& dir) {
    std::error_code error;
    return fs::is_regular_file(fs::path(dir) / PROBE, error);
}

bool DataDirectory::enter(const std::string& explicitDir, std::string& lookedIn) {
    lookedIn.clear();
    for (const std::string& dir : candidates(explicitDir, programDir())) {
        if (holdsData(dir)) {
            if (dir == "../bin") return true;   // today's layout: nothing to change
            if (enterDirectory(dir)) return true;
        }
        lookedIn += (lookedIn.empty() ? "" : ", ") + dir;
    }
    return false;
}

std::string DataDirectory::programDir() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}
