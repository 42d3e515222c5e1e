#pragma once

#include "settings/Settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the player asked for on the command line.
struct GameOptions {
    std::optional<bool> window;          // a resizable window, never game mode; unset: the settings say
    bool mute = false;                   // no sound device at all
    bool music = true;                   // the music module with the effects
    std::optional<bool> frameCap;        // at most 70 frames a second; unset: the settings say
    std::optional<bool> startScreen;     // false: play begins at once; unset: the settings say
    std::optional<uint32_t> seed;        // the asteroid field's; the calendar time without it
    std::string dataDir;                 // --data, empty when not given
    std::string configFile;              // --config, empty when not given
    std::string recordFile;              // --record: the game is written there as it goes
    std::string replayFile;              // --replay: a recorded game played again
    std::string verifyFile;              // --verify: a recorded game played through the game alone, no window
    std::string frameStatsFile;          // --frame-stats: frame times and start-up as JSON at exit
    std::vector<std::pair<uint32_t, std::string>> captures;   // --capture N:PICTURE.png, with --replay
    bool captureExit = false;            // --capture-exit: end after the last capture
    std::optional<Mode> mode;            // --mode: classic, waves or daily; unset: the settings say
    std::string challengeFile;           // --challenge: a recording's mode and seed played, its game as the ghost
};

// GNU-style options (getopt_long). Parsing never exits: the result says
// whether to play, or what to print and with which status to stop.
class CommandLine {
public:
    static CommandLine parse(int argc, char** argv);

    GameOptions options;
    bool play = true;          // false: print `output` and exit with `status`
    int status = 0;            // 0 for --help and --version, 2 for a usage error
    std::string output;        // to standard output when status is 0, else to standard error

    static std::string usage(const char* program);
    static const char* version();

    // The command line wins over the settings file: what it says replaces
    // what the file said, for this run only (it is never written back).
    void overrule(Settings& settings) const;
};
