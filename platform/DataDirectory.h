#pragma once

#include <string>
#include <vector>

// Where the game's files are. The game names every file "../bin/...", as seen
// from the build tree's game folder, and prints those names in its messages;
// once the data is found, each such name is opened in the data folder that
// was found instead, and the names in messages stay as they are. The working
// directory is never changed, so paths a player gives keep their meaning.
class DataDirectory {
public:
    // The places to look, in order: `explicitDir` (--data) alone when given;
    // otherwise $SPACEFIGHT_DATA when set, then beside the program:
    // `exeDir`/../bin (the build tree) and `exeDir`/../share/games/spacefight
    // (an installed tree), and last "../bin" from the working directory.
    static std::vector<std::string> candidates(const std::string& explicitDir, const std::string& exeDir);

    // True when `dir` holds the game's data (its font image, without which
    // the game cannot run).
    static bool holdsData(const std::string& dir);

    // Finds the first candidate that holds the data and makes it the folder
    // that "../bin/" names lead to. False when none does; `lookedIn` then
    // lists every candidate.
    static bool find(const std::string& explicitDir, std::string& lookedIn);

    // The file a game name stands for: "../bin/x" becomes x in the data folder
    // found; any other name, or any name before a folder is found, is itself.
    static std::string resolve(const std::string& name);

    // Makes "../bin/" names lead to `dir` (empty: back to the names themselves).
    static void setRoot(const std::string& dir);

    // The folder of the running program, from /proc/self/exe; empty if unknown.
    static std::string programDir();
};
