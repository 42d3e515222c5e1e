// Guards the command line: every option and every mistake answered, in two lines at most for a mistake, and no
// file written over that is not one.
#include "program/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

CommandLine parse(std::initializer_list<const char*> args) {
    std::vector<std::string> words = {"spacefight"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    return CommandLine::parse(int(words.size()), argv.data());
}

}

TEST(CommandLine, EveryOptionIsTakenAndEveryMistakeAnsweredInTwoLines) {
    struct Case {
        std::vector<const char*> args;
        bool play;
        int status;
        const char* outputStarts;
        long lines = 2;   // a mistake: what is wrong, and where to read more
    } cases[] = {
        {{}, true, 0, ""},
        {{"--help"}, false, 0, "Usage: spacefight [OPTION]..."},
        {{"-h"}, false, 0, "Usage: spacefight [OPTION]..."},
        {{"--version"}, false, 0, "spacefight "},
        {{"--bogus"}, false, 2, "spacefight: unrecognized option '--bogus'\nTry 'spacefight --help'"},
        {{"--window", "-xy"}, false, 2, "spacefight: invalid option -- 'x'\n"},   // the letter, not the word before
        {{"--seed", "x"}, false, 2, "spacefight: invalid seed 'x'\nTry 'spacefight --help' for more information.\n"},
        {{"--seed", "-1"}, false, 2, "spacefight: invalid seed '-1'"},
        {{"--seed"}, false, 2, "spacefight: option '--seed' needs a value"},
        {{"--data="}, false, 2, "spacefight: --data needs a directory"},
        {{"extra"}, false, 2, "spacefight: unexpected argument 'extra'"},
        {{"--seed=1", "--replay=x"}, false, 2, "spacefight: --seed and --replay do not go together"},
        {{"--capture=5:a.png"}, false, 2, "spacefight: --capture needs --replay"},
        {{"--replay=x", "--capture=0:a.png"}, false, 2, "spacefight: invalid capture '0:a.png'"},
        {{"--replay=x", "--capture-exit"}, false, 2, "spacefight: --capture-exit needs --capture"},
        {{"--window=1"}, false, 2, "spacefight: option '--window' takes no value\n"},   // no byte of junk
        {{"--mode=duel"}, false, 2, "spacefight: invalid mode 'duel' (classic, waves or daily)\n"},
        {{"--mode=waves", "--verify=x"}, false, 2, "spacefight: --mode goes with neither --replay nor --verify"},
        {{"--mode=daily", "--seed=3"}, false, 2, "spacefight: --seed and --mode daily do not go together"},
        {{"--challenge=x", "--mode=waves"}, false, 2, "spacefight: --challenge and --mode do not go together"},
        // What is no file is never written over, and is said before any window opens.
        {{"--record", "/dev/full"}, false, 2, "spacefight: /dev/full: not a regular file; nothing is written there\n", 1},
        {{"--frame-stats", "/"}, false, 2, "spacefight: /: Is a directory; nothing is written there\n", 1},
        {{"--replay=x", "--capture=9:/dev/null"}, false, 2, "spacefight: /dev/null: not a regular file", 1},
    };
    for (const Case& c : cases) {
        CommandLine line;
        switch (c.args.size()) {
        case 0: line = parse({}); break;
        case 1: line = parse({c.args[0]}); break;
        default: line = parse({c.args[0], c.args[1]}); break;
        }
        const std::string what = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(line.play, c.play) << what;
        EXPECT_EQ(line.status, c.status) << what;
        EXPECT_EQ(line.output.rfind(c.outputStarts, 0), 0u) << what << ": " << line.output;
        // A mistake is two lines, not the whole usage.
        if (c.status != 0) {
            EXPECT_EQ(std::count(line.output.begin(), line.output.end(), '\n'), c.lines) << what;
        }
    }
    // Every key a player has is listed.
    const std::string help = parse({"--help"}).output;
    for (const char* key : {"mouse", "left button", "a / y", "F1", "F2", "F3, F4, F5", "F6", "  p ", "Enter", "Escape"})
        EXPECT_NE(help.find(key), std::string::npos) << key;

    const CommandLine all = parse({"--window", "--mute", "--no-music", "--seed=4294967295", "--data", "/d"});
    EXPECT_TRUE(all.play);
    EXPECT_EQ(all.options.window, true);
    EXPECT_TRUE(all.options.mute);
    EXPECT_FALSE(all.options.music);
    EXPECT_EQ(all.options.seed, 4294967295u);
    EXPECT_EQ(all.options.dataDir, "/d");
    EXPECT_EQ(parse({"--window", "--fullscreen"}).options.window, false);   // the last one counts
    EXPECT_EQ(parse({"--mode", "waves"}).options.mode, Mode::Waves);
}
