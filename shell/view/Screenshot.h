#pragma once

#include <ctime>
#include <cstdint>
#include <string>
#include <vector>

// The screenshot key: the window as shown, saved as a PNG of its own in
// the player's pictures folder (spacefight/ in it). Asked for by the key, it
// is taken from the back buffer just before the next swap, so it holds what
// the player sees on any screen; a standing screen is drawn again for it.
class Screenshot {
public:
    void ask() { asked = true; }
    // A picture is about to be shown: taken now if asked for. What to tell
    // the player ("saved NAME", or why not), "" when none was asked for.
    std::string beforeSwap(int width, int height);

    // spacefight-2026-12-08-14-03-22.png for that moment, local time; a
    // second one in the same second gets -2, then -3 and so on.
    static std::string nameFor(const std::tm& when, int count);
    // The PNG's bytes into a new file in `folder`, never over one already
    // there. "saved NAME", or a line saying why not.
    static std::string save(const std::string& folder, const std::tm& when, const std::vector<uint8_t>& png);

private:
    bool asked = false;
};
