#include "CommandLine.h"

#include "shell/replay/FrameCapture.h"
#include "platform/FileWriter.h"

#include <getopt.h>

#include <cerrno>
#include <cstdlib>

#ifndef SPACEFIGHT_VERSION
#define SPACEFIGHT_VERSION "unknown"
#endif

namespace {

enum Option {
    HELP = 1000, VERSION, WINDOW, FULLSCREEN, MUTE, NO_MUSIC, NO_FRAME_CAP, SEED, DATA, CONFIG, RECORD, REPLAY,
    FRAME_STATS, NO_START_SCREEN, CAPTURE, CAPTURE_EXIT, VERIFY,
    MODE, CHALLENGE
};

const option LONG_OPTIONS[] = {
    {"help", no_argument, nullptr, HELP},
    {"version", no_argument, nullptr, VERSION},
    {"window", no_argument, nullptr, WINDOW},
    {"fullscreen", no_argument, nullptr, FULLSCREEN},
    {"mute", no_argument, nullptr, MUTE},
    {"no-music", no_argument, nullptr, NO_MUSIC},
    {"no-frame-cap", no_argument, nullptr, NO_FRAME_CAP},
    {"seed", required_argument, nullptr, SEED},
    {"data", required_argument, nullptr, DATA},
    {"config", required_argument, nullptr, CONFIG},
    {"record", required_argument, nullptr, RECORD},
    {"replay", required_argument, nullptr, REPLAY},
    {"frame-stats", required_argument, nullptr, FRAME_STATS},
    {"no-start-screen", no_argument, nullptr, NO_START_SCREEN},
    {"capture", required_argument, nullptr, CAPTURE},
    {"capture-exit", no_argument, nullptr, CAPTURE_EXIT},
    {"verify", required_argument, nullptr, VERIFY},
    {"mode", required_argument, nullptr, MODE},
    {"challenge", required_argument, nullptr, CHALLENGE},
    {nullptr, 0, nullptr, 0},
};

bool parseSeed(const char* text, uint32_t& out) {
    if (*text < '0' || *text > '9') return false;   // no sign, no blanks
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || value > UINT32_MAX) return false;
    out = static_cast<uint32_t>(value);
    return true;
}

}

const char* CommandLine::version() {
    return SPACEFIGHT_VERSION;
}

std::string CommandLine::usage(const char* program) {
    return std::string("Usage: ") + program +
           " [OPTION]...\n"
           "A real-time 3D space shooter, played from the cockpit.\n"
           "\n"
           "  --window        play in a 1024x768 window that may be resized\n"
           "  --fullscreen    full screen: the display's game mode, else a full-screen\n"
           "                  window (the default)\n"
           "  --mute          no sound at all\n"
           "  --no-music      sound effects without the music\n"
           "  --seed N        seed N (0 to 4294967295) for the random draws: the rocks'\n"
           "                  tumbling and the enemy's return corner (the field itself\n"
           "                  is always the same); default: the calendar time\n"
           "  --data DIR      read the game's data from DIR\n"
           "  --no-frame-cap  draw as many frames as possible (default: at most 70 a second)\n"
           "  --no-start-screen  begin play at once, without the start screen\n"
           "  --config FILE   read the settings from FILE, and write what is changed in\n"
           "                  the game back there, instead of\n"
           "                  $XDG_CONFIG_HOME/spacefight/settings.conf\n"
           "  --record FILE   play, and write the game to FILE as it goes\n"
           "  --replay FILE   play a recorded game again (Escape, p and h still work)\n"
           "  --frame-stats FILE  write frame times and start-up time as JSON at exit\n"
           "  --capture N:PICTURE.png  with --replay: write frame N, as shown, to a PNG\n"
           "                  file and play on (may be given more than once)\n"
           "  --capture-exit  with --capture: exit after the last capture\n"
           "  --verify FILE   play a recorded game through without a window or a\n"
           "                  display, as fast as it goes, and print its summary line\n"
           "  --mode MODE     classic (one enemy, as designed; the default), waves (a\n"
           "                  score attack: each wave more ships, sharper) or daily\n"
           "                  (the waves on the day's seed, the same for everyone)\n"
           "  --challenge FILE  play the mode and seed of a recording (a friend's game),\n"
           "                  its game flying beside yours as the ghost to beat; the\n"
           "                  file is verified first\n"
           "  -h, --help      show this help and exit\n"
           "  --version       show the version and exit\n"
           "\n"
           "Keys:\n"
           "  mouse           steer: by rates (the pointer sets turn rates), or with\n"
           "                  steering = aim by a ring the ship turns onto\n"
           "  s               switch the mouse's steering, aim or rates\n"
           "  left button     fire\n"
           "  a / y or z      throttle up / down\n"
           "  Page Up / Down  full throttle / full stop\n"
           "  arrow keys      steer while held\n"
           "  c               straighten: both turn rates to zero; the ring to the crosshair\n"
           "  F1              frame rate and draw-mode lines on or off\n"
           "  F2              cockpit or outside view\n"
           "  F3, F4, F5      draw models directly, by display lists, by vertex arrays\n"
           "  F6              flat or smooth shading\n"
           "  p               pause, and go on\n"
           "  h, F10          the keys as bound now; play pauses while shown\n"
           "  + / -, ] / [    music, effects volume up / down\n"
           "  m               music on or off\n"
           "  Enter           play again, on the game-over screen\n"
           "  F12             screenshot into the pictures folder's spacefight/\n"
           "  Tab             the next mode, on the start screen\n"
           "  o               options\n"
           "  Escape          quit\n"
           "\n"
           "Keys can be bound again in the settings file.\n"
           "The data is looked for in --data, then $SPACEFIGHT_DATA, then beside the\n"
           "program, then in ../bin/ from the working directory.\n";
}

void CommandLine::overrule(Settings& settings) const {
    if (options.window) settings.window = *options.window;
    if (options.frameCap) settings.frameCap = *options.frameCap;
    if (options.startScreen) settings.startScreen = *options.startScreen;
    if (options.mode) settings.mode = *options.mode;
}

CommandLine CommandLine::parse(int argc, char** argv) {
    CommandLine result;
    const char* program = argc > 0 && argv[0] ? argv[0] : "spacefight";
    auto fail = [&](const std::string& why) {
        result.play = false;
        result.status = 2;
        result.output = program + std::string(": ") + why + "\nTry '" + program + " --help' for more information.\n";
        return result;
    };
    optind = 0;   // a fresh scan, also when parse runs more than once
    opterr = 0;   // the messages are ours
    for (;;) {
        optopt = 0;
        const int c = getopt_long(argc, argv, ":h", LONG_OPTIONS, nullptr);
        if (c == -1) break;
        switch (c) {
        case 'h':
        case HELP:
            result.play = false;
            result.output = usage(program);
            return result;
        case VERSION:
            result.play = false;
            result.output = std::string("spacefight ") + SPACEFIGHT_VERSION + "\n";
            return result;
        case WINDOW: result.options.window = true; break;
        case FULLSCREEN: result.options.window = false; break;
        case MUTE: result.options.mute = true; break;
        case NO_START_SCREEN: result.options.startScreen = false; break;
        case NO_MUSIC: result.options.music = false; break;
        case NO_FRAME_CAP: result.options.frameCap = false; break;
        case SEED: {
            uint32_t seed = 0;
            if (!parseSeed(optarg, seed)) return fail(std::string("invalid seed '") + optarg + "'");
            result.options.seed = seed;
            break;
        }
        case DATA:
            if (*optarg == '\0') return fail("--data needs a directory");
            result.options.dataDir = optarg;
            break;
        case CONFIG:
            if (*optarg == '\0') return fail("--config needs a file");
            result.options.configFile = optarg;
            break;
        case RECORD:
        case REPLAY:
        case VERIFY:
        case FRAME_STATS: {
            const char* name = c == RECORD ? "--record" : c == REPLAY ? "--replay" : c == VERIFY ? "--verify" : "--frame-stats";
            if (*optarg == '\0') return fail(std::string(name) + " needs a file");
            (c == RECORD   ? result.options.recordFile
             : c == REPLAY ? result.options.replayFile
             : c == VERIFY ? result.options.verifyFile
                           : result.options.frameStatsFile) = optarg;
            break;
        }
        case CAPTURE: {
            uint32_t frame = 0;
            std::string file, error;
            if (!FrameCapture::parse(optarg, frame, file, error)) return fail(error);
            result.options.captures.emplace_back(frame, file);
            break;
        }
        case CAPTURE_EXIT: result.options.captureExit = true; break;
        case CHALLENGE:
            if (*optarg == '\0') return fail("--challenge needs a file");
            result.options.challengeFile = optarg;
            break;
        case MODE: {
            Mode mode = Mode::Classic;
            if (!modeFromName(optarg, mode)) return fail(std::string("invalid mode '") + optarg + "' (classic, waves or daily)");
            result.options.mode = mode;
            break;
        }
        case ':': return fail(std::string("option '") + argv[optind - 1] + "' needs a value");
        default:
            // A long option given a value it does not take ("--window=1"):
            // getopt hands back the option's own number, no letter at all.
            if (optopt >= HELP) {
                for (const option* o = LONG_OPTIONS; o->name; ++o) {
                    if (o->val == optopt) return fail(std::string("option '--") + o->name + "' takes no value");
                }
            }
            // An unknown letter may stand among others ("-xy"): name the letter,
            // not the word around it.
            if (optopt != 0) return fail(std::string("invalid option -- '") + char(optopt) + "'");
            return fail(std::string("unrecognized option '") + argv[optind - 1] + "'");
        }
    }
    if (optind < argc) return fail(std::string("unexpected argument '") + argv[optind] + "'");
    if (!result.options.recordFile.empty() && !result.options.replayFile.empty())
        return fail("--record and --replay do not go together");
    // A verification plays nothing to a window: what shows one has no place in it.
    if (!result.options.verifyFile.empty()) {
        if (!result.options.replayFile.empty()) return fail("--verify and --replay do not go together");
        if (!result.options.recordFile.empty()) return fail("--verify and --record do not go together");
        if (!result.options.captures.empty()) return fail("--verify and --capture do not go together");
        if (result.options.seed) return fail("--seed and --verify do not go together");
        if (!result.options.frameStatsFile.empty()) return fail("--verify and --frame-stats do not go together");
    }
    if (!result.options.captures.empty() && result.options.replayFile.empty())
        return fail("--capture needs --replay");
    if (result.options.captureExit && result.options.captures.empty())
        return fail("--capture-exit needs --capture");
    // A replay's seed is the recording's: another would be ignored without a word.
    if (result.options.seed && !result.options.replayFile.empty())
        return fail("--seed and --replay do not go together");
    // So are its mode, and the day's seed is the day's.
    if (result.options.mode && !(result.options.replayFile.empty() && result.options.verifyFile.empty()))
        return fail("--mode goes with neither --replay nor --verify: a recording keeps its mode");
    // A challenge is the file's mode and seed, played by the player.
    if (!result.options.challengeFile.empty()) {
        if (result.options.mode) return fail("--challenge and --mode do not go together: the file has its mode");
        if (result.options.seed) return fail("--challenge and --seed do not go together: the file has its seed");
        if (!result.options.replayFile.empty() || !result.options.verifyFile.empty())
            return fail("--challenge goes with neither --replay nor --verify");
    }
    if (result.options.mode == Mode::Daily && result.options.seed)
        return fail("--seed and --mode daily do not go together: the day has its seed");
    // What the game would write over is looked at before anything starts: a
    // folder, a FIFO or a device in the place of a file is never written.
    std::vector<std::string> outputs = {result.options.recordFile, result.options.frameStatsFile};
    for (const auto& capture : result.options.captures) outputs.push_back(capture.second);
    for (const std::string& file : outputs) {
        const std::string why = file.empty() ? "" : FileWriter::refusal(file);
        if (why.empty()) continue;
        result.play = false;
        result.status = 2;
        result.output = program + (": " + file) + ": " + why + "; nothing is written there\n";
        return result;
    }
    return result;
}
