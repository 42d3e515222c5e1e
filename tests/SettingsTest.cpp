// Guards the settings file: each bad line one warning naming its place and what is kept, bindings that exchange keys,
// the command line wins but is never written, the writer keeps the player's file and replaces it whole or not at all,
// and the options menu's steps, key binding and fixed Enter and Escape.
#include "program/CommandLine.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/OptionsMenu.h"
#include "shell/options/OptionsScreen.h"
#include "shell/view/View.h"
#include "platform/DataDirectory.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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
        {"dials = off", "", [](const Settings& s) { return !s.dials && s.targetBox && s.fieldArrow; }},
        {"music_volume = 40", "", [](const Settings& s) { return s.musicVolume == 40; }},
        {"window_mode = window", "", [](const Settings& s) { return s.window; }},
        {"steering = aim", "", [](const Settings& s) { return s.steering == Steering::Aim; }},
        {"mode = daily", "", [](const Settings& s) { return s.mode == Mode::Daily; }},
        {"mode = duel", "f:1: bad value 'duel' for mode (classic, waves or daily); keeping classic",
         [](const Settings& s) { return s.mode == Mode::Classic; }},
        {"key.fire = space mouse1", "",
         [](const Settings& s) { return s.keys.actionOf(' ') == Action::Fire && s.keys.actionOf(BUTTON) == Action::Fire; }},
        {"# only a comment", "", [](const Settings&) { return true; }},
        {"colour = red", "f:1: unknown setting 'colour'", [](const Settings&) { return true; }},
        {"music_volume = 101", "f:1: bad value '101' for music_volume (0 to 100); keeping 100",
         [](const Settings& s) { return s.musicVolume == 100; }},
        {"effects_volume = 50\neffects_volume = -5", "f:2: bad value '-5' for effects_volume (0 to 100); keeping 50",
         [](const Settings& s) { return s.effectsVolume == 50; }},
        {"pointer_sensitivity = -1", "f:1: bad value '-1' for pointer_sensitivity (0.1 to 10); keeping 1",
         [](const Settings& s) { return s.pointerSensitivity == 1.0f; }},
        {"invert_pitch = maybe", "f:1: bad value 'maybe' for invert_pitch (on or off); keeping off",
         [](const Settings& s) { return !s.invertPitch; }},
        {"frame_cap", "f:1: expected 'key = value'", [](const Settings& s) { return s.frameCap; }},
        {"key.fire = banana", "f:1: unknown key 'banana' for key.fire; keeping mouse1",
         [](const Settings& s) { return s.keys.actionOf(BUTTON) == Action::Fire; }},
        {"key.fire = a", "",
         [](const Settings& s) { return s.keys.actionOf('a') == Action::Fire && s.keys.describe(Action::ThrottleUp) == "mouse1"; }},
        {"key.pause = h\nkey.help = p", "",
         [](const Settings& s) { return s.keys.describe(Action::Pause) == "h" && s.keys.describe(Action::Help) == "p"; }},
        {"key.help = p\nkey.pause = h", "",
         [](const Settings& s) { return s.keys.describe(Action::Pause) == "h" && s.keys.describe(Action::Help) == "p"; }},
        {"key.help = none\ntarget_box = off\nmusic = no", "",
         [](const Settings& s) { return s.keys.describe(Action::Help) == "(none)" && !s.targetBox && !s.musicOn; }},
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

// "../bin/" leads to the data folder only in the game's own names; what the player names means what it says.
TEST(Settings, AFileThePlayerNamesIsReadWhereItSaysNotInTheDataFolder) {
    TempDir dir;
    for (const char* folder : {"work", "bin", "data"}) std::filesystem::create_directory(dir.path(folder));
    writeText(dir.path("bin/s.conf"), "music_volume = 50\n");
    writeText(dir.path("data/s.conf"), "music_volume = 10\n");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path("work"));
    DataDirectory::setRoot(dir.path("data"));
    Settings player, game;
    const std::vector<std::string> warnings = player.read("../bin/s.conf", true);
    std::string why;
    std::vector<uint8_t> bytes;
    FileReader::read("../bin/s.conf", FileReader::SETTINGS, bytes, why);
    DataDirectory::setRoot("");
    std::filesystem::current_path(before);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(player.musicVolume, 50);
    game.parse("game", std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(game.musicVolume, 10) << "a game name still leads to the data folder";
}

TEST(Settings, TheWriterChangesOnlyWhatChangedAndKeepsTheRest) {
    struct Row {
        std::string text;
        std::function<void(Settings&)> commandLine;   // for this run only
        std::function<void(Settings&)> change;        // made in the game
        std::string expected;
    };
    auto none = [](Settings&) {};
    auto music60 = [](Settings& s) { s.musicVolume = 60; };
    auto invert = [](Settings& s) { s.invertPitch = true; };
    const Row rows[] = {
        {"# mine\ncolour = red\n\nmusic_volume = 40   # quiet\nframe_cap = off\n", none, music60,
         "# mine\ncolour = red\n\nmusic_volume = 60   # quiet\nframe_cap = off\n"},
        {"music_volume = 40\nmusic_volume=30#later\n", none, music60, "music_volume = 40\nmusic_volume=60#later\n"},
        {"music_volume = loud\n", none, music60, "music_volume = loud\nmusic_volume = 60\n"},
        {"invert_pitch = off", none, invert, "invert_pitch = on"},
        {"# no line break", none, invert, "# no line break\ninvert_pitch = on\n"},
        {"# x\r\nmusic_volume = 40 # q\r\n", none, music60, "# x\r\nmusic_volume = 60 # q\r\n"},
        {"# x\r\n", none, invert, "# x\r\ninvert_pitch = on\r\n"},
        {"", none, music60, "# spacefight settings: key = value, # starts a comment.\nmusic_volume = 60\n"},
        {"window_mode = fullscreen\n", [](Settings& s) { s.window = true; }, music60,
         "window_mode = fullscreen\nmusic_volume = 60\n"},
        {"window_mode = fullscreen\n", [](Settings& s) { s.window = true; }, [](Settings& s) { s.window = false; },
         "window_mode = fullscreen\n"},
        {"key.pause = p\n", none, [](Settings& s) { s.keys.bind(Action::Pause, {'h'}); },
         "key.pause = h\nkey.help = f10 p\n"},
        {"key.pause = h   # swapped\n", none, [](Settings& s) { s.keys.restoreDefaults(); },
         "key.pause = p   # swapped\nkey.help = h f10\n"},
    };
    for (const Row& r : rows) {
        Settings before;
        before.parse("f", r.text);
        r.commandLine(before);
        Settings now = before;
        r.change(now);
        const std::string written = SettingsFile::rewrite(r.text, before, now);
        EXPECT_EQ(written, r.expected) << r.text;
        // What the game would read next time: the file's word, with the change.
        Settings fileSaid, again;
        fileSaid.parse("f", r.text);
        r.change(fileSaid);
        again.parse("f", written);
        EXPECT_EQ(again.example(), fileSaid.example()) << r.text;
    }
}

TEST(Settings, ASaveReplacesTheFileWholeOrNotAtAll) {
    TempDir dir;
    const std::string path = dir.path("conf/settings.conf");
    SettingsFile file(path, true);
    Settings s;
    EXPECT_EQ(file.read(s).size(), 1u) << "named and missing";
    file.settle(s);
    EXPECT_EQ(file.save(s), "") << "nothing changed: nothing written";
    EXPECT_FALSE(std::filesystem::exists(path));
    s.musicVolume = 30;
    EXPECT_EQ(file.save(s), "");
    EXPECT_FALSE(file.changed(s));
    Settings back;
    EXPECT_TRUE(back.read(path).empty());
    EXPECT_EQ(back.musicVolume, 30);

    // A child whose writes stop after 100 bytes, as a full disk or a kill part
    // way through would: the old file stays byte for byte, and no temporary is left.
    const std::string old = "effects_volume = 50   # " + std::string(300, 'x') + "\n";
    writeText(path, old);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        SettingsFile f(path);
        Settings t;
        f.read(t);
        f.settle(t);
        t.effectsVolume = 70;
        const bool warned = f.save(t).find("cannot save the settings to " + path) == 0;
        _exit(warned && f.save(t).empty() ? 0 : 1);   // one warning, not one per try
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(readBytes(path), std::vector<uint8_t>(old.begin(), old.end()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("conf")), {}), 1);
}

TEST(Settings, BindingATakenKeyExchangesAndEnterAndEscapeKeepTheirRoles) {
    struct Row {
        Action action;
        std::vector<Key> keys;
        Action loser;
        const char* action_keys;
        const char* loser_keys;
    } rows[] = {
        {Action::Pause, {'h'}, Action::Help, "h", "f10 or p"},
        {Action::Fire, {'a', 'm'}, Action::ThrottleUp, "a or m", "mouse1"},
        {Action::ThrottleDown, {'x'}, Action::Count, "x", ""},
        {Action::Quit, {ENTER}, Action::Count, "escape", ""},
        {Action::Options, {'q', 'q'}, Action::Count, "q", ""},
    };
    for (const Row& r : rows) {
        KeyBindings keys;
        EXPECT_EQ(keys.bind(r.action, r.keys), r.loser) << KeyBindings::actionName(r.action);
        EXPECT_EQ(keys.describe(r.action), r.action_keys);
        if (r.loser != Action::Count) {
            EXPECT_EQ(keys.describe(r.loser), r.loser_keys);
        }
        keys.restoreDefaults();
        EXPECT_TRUE(keys == KeyBindings());
    }
    // Found by fuzzing: with quit on "q" (the options on none), binding Escape ("o") erased past quit's keys.
    KeyBindings moved;
    moved.bind(Action::Quit, {'q'});
    moved.bind(Action::Options, {});
    EXPECT_EQ(moved.bind(Action::Pause, {ESCAPE, 'o'}), Action::Count);
    EXPECT_EQ(moved.describe(Action::Quit) + ", " + moved.describe(Action::Pause), "q or escape, escape or o");
    for (Key k : {200, int('#')}) EXPECT_EQ(KeyBindings::keyNamed(KeyBindings::keyName(k)), k) << "written as read";
    EXPECT_EQ(KeyBindings::keyNamed("key13"), NO_KEY) << "Enter is never bound";
}

TEST(Settings, TheOptionsMenuStepsBindsAndLeaves) {
    const Key up = KeyBindings::keyNamed("up"), down = KeyBindings::keyNamed("down"),
              left = KeyBindings::keyNamed("left"), right = KeyBindings::keyNamed("right");
    struct Row {
        std::vector<Key> presses;
        unsigned changes;   // every bit reported on the way
        std::function<bool(const Settings&, const OptionsMenu&)> holds;
    } rows[] = {
        {{right, right}, OptionsMenu::Pointer, [](const Settings& s, const OptionsMenu&) { return s.pointerSensitivity == 1.4f; }},
        {{down, right}, OptionsMenu::Steering,
         [](const Settings& s, const OptionsMenu& m) { return s.steering == Steering::Aim && m.lines()[2] == "> steering              aim"; }},
        {{down, down, down, down, left}, OptionsMenu::Sound,
         [](const Settings& s, const OptionsMenu& m) { return s.musicVolume == 90 && m.lines()[5] == "> music volume          90%"; }},
        {{up, up, left, left, left}, OptionsMenu::Drawn, [](const Settings& s, const OptionsMenu&) { return !s.fieldArrow; }},
        {std::vector<Key>(20, right), OptionsMenu::Pointer, [](const Settings& s, const OptionsMenu&) { return s.pointerSensitivity == 10.0f; }},
        {{down, down, down, down, down, down, down, left, left, left, left}, OptionsMenu::Drawn,
         [](const Settings& s, const OptionsMenu&) { return s.deadZone == 0; }},
        // The keys page: pause is the eleventh action; h is help's, which takes p.
        {{up, ENTER, down, down, down, down, down, down, down, down, down, down, ENTER, 'H'}, OptionsMenu::Keys,
         [](const Settings& s, const OptionsMenu& m) {
             return s.keys.describe(Action::Pause) == "h" && s.keys.describe(Action::Help) == "f10 or p" &&
                    m.message() == "h now does pause; help lost it and has f10 or p";
         }},
        {{up, ENTER, ENTER, ENTER}, OptionsMenu::Nothing,
         [](const Settings& s, const OptionsMenu& m) { return m.waitingForKey() && s.keys == KeyBindings(); }},
        {{up, ENTER, ENTER, ESCAPE}, OptionsMenu::Nothing,
         [](const Settings& s, const OptionsMenu& m) { return !m.waitingForKey() && m.onKeysPage() && s.keys == KeyBindings(); }},
        // Escape goes back a page at a time; only from the first does it leave.
        {{up, ENTER, ENTER, ESCAPE, ESCAPE}, OptionsMenu::Nothing,
         [](const Settings&, const OptionsMenu& m) { return !m.onKeysPage() && m.chosen() == m.lines().size() - 2; }},
        {{up, ENTER, ESCAPE, ESCAPE}, OptionsMenu::Closed, [](const Settings&, const OptionsMenu& m) { return !m.onKeysPage(); }},
        {{up, ENTER, ENTER, 'q', up, up, ENTER}, OptionsMenu::Keys,
         [](const Settings& s, const OptionsMenu& m) { return m.chosen() == size_t(Action::Count) && s.keys == KeyBindings(); }},
    };
    for (const Row& r : rows) {
        Settings s;
        OptionsMenu menu(s);
        menu.open();
        unsigned changes = 0;
        for (Key k : r.presses) changes |= menu.press(k);
        EXPECT_EQ(changes, r.changes) << r.presses.size();
        EXPECT_TRUE(r.holds(s, menu)) << r.presses.size() << ": " << menu.lines().back();
    }
    Settings s;
    s.keys.bind(Action::Pause, {ESCAPE});   // Escape may do another action; in the menu it still leaves
    OptionsMenu menu(s);
    EXPECT_EQ(menu.press(ESCAPE), unsigned(OptionsMenu::Closed));

    // The gamepad's d-pad while a key was asked for bound steer_up to "down": it chooses, it never binds.
    Settings padded;
    OptionsMenu pad(padded);
    pad.open();
    for (Key k : {up, ENTER, ENTER}) pad.press(k);
    ASSERT_TRUE(pad.waitingForKey());
    EXPECT_EQ(pad.navigate(down), unsigned(OptionsMenu::Nothing));
    EXPECT_FALSE(pad.waitingForKey());
    EXPECT_EQ(pad.chosen(), 1u);
    EXPECT_TRUE(padded.keys == KeyBindings());
}

// A byte-order mark cost the first setting; one file gave 61,681 warnings; a copy of /etc/passwd named as the
// settings got "invert_pitch = on" appended; with no folder to keep them in, changes were lost without a word.
TEST(Settings, AFileIsReadAsMeantAndOnlyASettingsFileIsWritten) {
    TempDir dir;
    Settings s;
    EXPECT_TRUE(s.parse("f", "\xEF\xBB\xBFmusic_volume = 40\n").empty());
    EXPECT_EQ(s.musicVolume, 40);
    std::string junk;
    for (int i = 0; i < 500; ++i) junk += "root:x:0:0:root:/root:/bin/bash\n";
    const std::vector<std::string> warnings = s.parse("f", junk);
    ASSERT_EQ(warnings.size(), 21u);
    EXPECT_EQ(warnings.back(), "f: 480 more warnings not shown");

    const std::string path = dir.path("passwd");
    writeBytes(path, std::vector<uint8_t>(junk.begin(), junk.end()));
    SettingsFile file(path, true);
    Settings read;
    file.read(read);
    file.settle(read);
    read.invertPitch = true;
    EXPECT_EQ(file.save(read), "cannot save the settings to " + path +
                                   " (no line of it is a setting: it is not a settings file); the file is left as it was");
    EXPECT_EQ(readBytes(path), std::vector<uint8_t>(junk.begin(), junk.end()));

    EXPECT_EQ(Settings().read("", false),
              std::vector<std::string>{"neither XDG_CONFIG_HOME nor HOME is set: changes made in the game will not be saved"});
}

// The lowest font unit of the panel chose row 17 of a page that shows rows 0 to 16.
TEST(Settings, TheOptionsRowUnderThePointerIsOneThatIsDrawn) {
    Settings s;
    OptionsScreen screen;
    screen.open(s);
    for (Key k : {KeyBindings::keyNamed("up"), ENTER}) screen.menu().press(k);   // the keys page: more rows than shown
    const Viewport area = {0, 0, 640, 480};   // a font unit a pixel, y down from the top
    const int lowest = OptionsScreen::FIRST - OptionsScreen::ROW * (OptionsScreen::VISIBLE - 1) - 2;
    EXPECT_EQ(screen.entryAt(100, 480 - lowest, area, 480), OptionsScreen::VISIBLE - 1);
    EXPECT_EQ(screen.entryAt(100, 480 - lowest + 1, area, 480), -1);
    EXPECT_EQ(screen.entryAt(100, 480 - (OptionsScreen::FIRST + OptionsScreen::ROW - 3), area, 480), 0);
}

// Two games saving at once lost one change in two of six tries: both read the old file, and the second rename
// replaced the first one's. Under the lock each reads what the other wrote.
TEST(Settings, TwoGamesSavingAtOnceKeepBothChanges) {
    TempDir dir;
    const std::string path = dir.path("settings.conf");
    for (int round = 0; round < 8; ++round) {
        writeBytes(path, std::vector<uint8_t>{'#', '\n'});
        pid_t children[2];
        for (int c = 0; c < 2; ++c) {
            children[c] = fork();
            if (children[c] != 0) continue;
            SettingsFile file(path, true);
            Settings s;
            file.read(s);
            file.settle(s);
            (c == 0 ? s.musicVolume : s.effectsVolume) = 30 + c;
            _exit(file.save(s).empty() ? 0 : 1);
        }
        for (pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        Settings back;
        back.read(path);
        EXPECT_EQ(back.musicVolume, 30) << "round " << round;
        EXPECT_EQ(back.effectsVolume, 31) << "round " << round;
    }
}
