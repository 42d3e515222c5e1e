#pragma once

#include "KeyBindings.h"
#include "game/GameRules.h"

#include "game/GameRules.h"

#include <string>
#include <vector>

// Everything a player may set, with the game's own defaults: a player who
// changes nothing gets the game as designed. Read from a file of
// `key = value` lines with `#` comments; SettingsFile writes changes back.
struct Settings {
    float pointerSensitivity = 1.0f;   // turn rate per pixel, times 1/1000
    bool invertPitch = false;          // pointer and keys: up turns down
    // Rates: the pointer sets how fast the ship turns. Aim: the pointer moves
    // a mark the ship turns onto. Every game of a run is played by one.
    Steering steering = Steering::Rates;
    bool turnMarker = true;            // the turn rates shown about the crosshair
    int effectsVolume = 100;           // percent of the effects' own level
    int musicVolume = 100;             // percent of the music's own level
    int deadZone = 15;                 // percent of a stick's travel that does nothing
    bool window = false;               // a window rather than full screen
    bool frameCap = true;              // at most 70 frames a second
    bool showStats = true;             // the fps and draw-mode lines at start
    // Help for a new player, each drawn over play only, never changing it.
    bool startScreen = true;           // the start screen before the first game
    bool targetBox = true;             // a box and the distance about the enemy in view
    bool enemyArrow = true;            // an arrow at the window's edge toward the enemy out of view
    bool hitFlash = true;              // the window's edge flashes when hit; a struck shot is marked and heard
    bool dials = true;                 // the dashboard's dials show speed and power
    bool fieldArrow = true;            // outside the rocks' field: a line and an arrow back
    KeyBindings keys;
    bool musicOn = true;               // the music plays; the music key stops and starts it
    // The game the start screen offers first: the last one chosen there.
    Mode mode = Mode::Classic;
    bool ghost = true;                 // the mode's best game flies beside the game played


    // "rates" or "aim", as the file writes it.
    static const char* steeringName(Steering steering);

    // $XDG_CONFIG_HOME/spacefight/settings.conf, or ~/.config/... without it.
    static std::string defaultPath();

    // Reads `path` over the current values. A missing file is normal and
    // silent, unless `named` (the player named it on the command line). Each bad line is one warning naming the file and the line, and
    // its setting keeps its value; an unreadable file is one warning and
    // changes nothing. Returns the warnings, each a line without "Warning: ".
    std::vector<std::string> read(const std::string& path, bool named = false);
    // The same over text already in memory (what read uses; fuzzed). With
    // `lineKeys`, each line's setting lands there by its index ("" for a
    // line that set nothing, a comment or one that gave a warning).
    std::vector<std::string> parse(const std::string& name, const std::string& text,
                                   std::vector<std::string>* lineKeys = nullptr);

    // A whole file's bytes: false with `why` when it cannot be read, `missing`
    // set when there is none. Nothing larger than a settings file can be is read.
    static bool readFile(const std::string& path, std::string& text, bool& missing, std::string& why);

    // Every key of the file, in the order the example lists them.
    static const std::vector<std::string>& keyNames();
    // A key's value as the file writes it ("on", "40", "h f10"); "" for an unknown key.
    std::string valueText(const std::string& key) const;
    // Sets one key from its text: "" when done, else what was wrong with it.
    std::string set(const std::string& key, const std::string& value);

    // A file with every key at its default, as README and the manual page show it.
    std::string example() const;
};
