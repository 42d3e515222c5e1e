#pragma once

#include <string>
#include <vector>

// Where the game's files are. The game names every file "../bin/...", as seen
// from its working directory, and prints those names in its messages; so once
// the data is found, the working directory is changed so that "../bin/" leads
// to it, and every name stays as it is.
class DataDirectory {
public:
    // The places to look, in order: `explicitDir` (--data) alone when given;
    // otherwise $SPACEFIGHT_DATA when set, "../bin" from the working directory, then
    // beside the program: `exeDir`/../bin (the build tree) and
    // `exeDir`/../share/games/spacefight (an installed tree).
    static std::vector<std::string> candidates(const std::string& explicitDir, const std::string& exeDir);

    // True when `dir` holds the game's data (its font image, without which
    // the game cannot run).
    static bool holdsData(const std::string& dir);

    // Finds the first candidate that holds the data and makes "../bin/" lead
    // to it. False when none does; `lookedIn` then lists every candidate.
    static bool enter(const std::string& explicitDir, std::string& lookedIn);

    // The folder of the running program, from /proc/self/exe; empty if unknown.
    static std::string programDir();
};
