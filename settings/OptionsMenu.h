#pragma once

#include "settings/Settings.h"

#include <string>
#include <vector>

// The options screen without its drawing: which entry is chosen, what the
// keys do to the settings, and the lines to draw. The arrows, Enter and
// Escape work here whatever they are bound to; Escape always leaves.
class OptionsMenu {
public:
    // What a key changed, for the shell to put into effect at once.
    enum Change : unsigned {
        Nothing = 0,
        Sound = 1,        // a volume or the music: applySoundLevels
        Pointer = 2,      // the pointer's sensitivity
        Display = 4,      // window or full screen
        FrameCap = 8,
        Stats = 16,       // the stats lines
        Drawn = 32,       // something read each frame (pitch, marker, overlays, dead zone)
        Keys = 64,        // a key binding
        Closed = 128,     // the screen is left: time to save the settings
        Steering = 256,   // rates or aim: for the next game
    };

    explicit OptionsMenu(Settings& settings);

    // The first entry of the first page, no message.
    void open();
    // A key, button or arrow as KeyBindings numbers them; the Change bits.
    unsigned press(Key key);
    // The gamepad's arrows, A (Enter) and B (Escape): they choose and
    // change, and never bind. While a key is asked for, they stop asking
    // first, and B does nothing more.
    unsigned navigate(Key key);

    // Title, one line per entry with the chosen one marked, then a message
    // line when there is one: drawing is a loop over these.
    std::vector<std::string> lines() const;
    bool onKeysPage() const { return keysPage; }
    bool waitingForKey() const { return waiting; }
    size_t chosen() const { return choice; }
    const std::string& message() const { return note; }
    // A line for the player under the title until the next key, such as
    // when a change waits for the next start.
    void say(const std::string& text) { note = text; }

private:
    size_t entries() const;
    unsigned change(int direction);   // left (-1) or right (+1) on the chosen entry
    unsigned enter();
    unsigned bind(Key key);

    Settings& settings;
    bool keysPage = false;
    bool waiting = false;   // the next key binds the chosen action
    size_t choice = 0;
    std::string note;
};
