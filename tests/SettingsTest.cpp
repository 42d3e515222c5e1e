// Guards the settings file: each bad line one warning naming its place, clashes keep defaults, the command line wins.
#include "shell/CommandLine.h"
#include "shell/input/Settings.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

void writeText(const std::string& path, const std::string& text) {
    writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}

TEST(Settings, EachLineSetsItsValueOrWarnsWithFileAndLine) {
    struct Row {
        std::string line;
        std::string warning;   // empty: none
        std::function<bool(const Settings&)> holds;
    } rows[] = {
        {"pointer_sensitivity = 2.5", "", [](const Settings& s) { return s.pointerSensitivity == 2.5f; }},
        {"invert_pitch = on   # a comment", "", [](const Settings& s) { return s.invertPitch; }},
        {"  turn_marker=off", "", [](const Settings& s) { return !s.turnMarker; }},
        {"music_volume = 40", "", [](const Settings& s) { return s.musicVolume == 40; }},
        {"window_mode = window", "", [](const Settings& s) { return s.window; }},
        {"key.fire = space mouse1", "",
         [](const Settings& s) { return s.keys.actionOf(' ') == Action::Fire && s.keys.actionOf(BUTTON) == Action::Fire; }},
        {"# only a comment", "", [](const Settings&) { return true; }},
        {"colour = red", "f:1: unknown setting 'colour'", [](const Settings&) { return true; }},
        {"music_volume = 101", "f:1: bad value '101' for music_volume (0 to 100); keeping the default",
         [](const Settings& s) { return s.musicVolume == 100; }},
        {"pointer_sensitivity = -1", "f:1: bad value '-1' for pointer_sensitivity (0.1 to 10); keeping the default",
         [](const Settings& s) { return s.pointerSensitivity == 1.0f; }},
        {"invert_pitch = maybe", "f:1: bad value 'maybe' for invert_pitch (on or off); keeping the default",
         [](const Settings& s) { return !s.invertPitch; }},
        {"frame_cap", "f:1: expected 'key = value'", [](const Settings& s) { return s.frameCap; }},
        {"key.fire = banana", "f:1: unknown key 'banana' for key.fire; keeping the default",
         [](const Settings& s) { return s.keys.actionOf(BUTTON) == Action::Fire; }},
        {"key.fire = a", "f:1: key.fire: a already does throttle_up; keeping the default",
         [](const Settings& s) { return s.keys.actionOf('a') == Action::ThrottleUp; }},
        {std::string("show_stats = o\0ff\x01\xff", 17), "f:1: not text; ignored",
         [](const Settings& s) { return s.showStats; }},
        {"effects_volume = " + std::string(1 << 20, '9'), "f:1: line too long; ignored",
         [](const Settings& s) { return s.effectsVolume == 100; }},
    };
    for (const Row& r : rows) {
        Settings s;
        const std::vector<std::string> warnings = s.parse("f", r.line);
        const std::string what = r.line.substr(0, 40);
        if (r.warning.empty()) EXPECT_TRUE(warnings.empty()) << what << ": " << warnings[0];
        else EXPECT_EQ(warnings, std::vector<std::string>{r.warning}) << what;
        EXPECT_TRUE(r.holds(s)) << what;
    }

    // Line numbers count every line; a rebinding that frees a key lets another take it.
    Settings s;
    const std::vector<std::string> warnings =
        s.parse("f", "key.throttle_up = q\n\nkey.fire = a\nbogus = 1\nkey.throttle_down = x\n");
    EXPECT_EQ(warnings, std::vector<std::string>{"f:4: unknown setting 'bogus'"});
    EXPECT_EQ(s.keys.actionOf('a'), Action::Fire);
    EXPECT_EQ(s.keys.actionOf('y'), Action::Count);
    EXPECT_EQ(s.keys.describe(Action::ThrottleDown), "x");
}

TEST(Settings, TheFileIsReadWhereItCanBeAndTheCommandLineWins) {
    TempDir dir;
    Settings s;
    EXPECT_TRUE(s.read(dir.path("missing.conf")).empty()) << "a missing file is normal and silent";
    EXPECT_EQ(s.read(dir.path("missing.conf"), true).size(), 1u) << "unless the player named it";
    std::filesystem::create_directory(dir.path("folder.conf"));
    EXPECT_EQ(s.read(dir.path("folder.conf")), std::vector<std::string>{dir.path("folder.conf") +
                                                                        ": cannot read the settings (Is a directory); "
                                                                        "using the defaults"});

    // The example file README and the manual page show reads back without a word.
    Settings defaults;
    writeText(dir.path("example.conf"), defaults.example());
    EXPECT_TRUE(s.read(dir.path("example.conf")).empty());

    writeText(dir.path("settings.conf"), "window_mode=window\nframe_cap=off\n");
    Settings fromFile;
    EXPECT_TRUE(fromFile.read(dir.path("settings.conf")).empty());
    ASSERT_TRUE(fromFile.window);
    ASSERT_FALSE(fromFile.frameCap);
    std::vector<std::string> words = {"spacefight", "--fullscreen"};
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    CommandLine::parse(int(argv.size()), argv.data()).overrule(fromFile);
    EXPECT_FALSE(fromFile.window) << "--fullscreen beats the file";
    EXPECT_FALSE(fromFile.frameCap) << "what the command line does not say, the file keeps";
}
