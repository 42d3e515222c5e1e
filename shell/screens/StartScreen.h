#pragma once

#include "game/GameRules.h"

#include <string>
#include <vector>

struct Settings;
struct ScreenFrame;

// The first screen: the game's name, what to do, what the head-up lines and
// the radar show, the main keys as this player's settings bind them, and how
// to begin, over the cockpit as the game stands.
class StartScreen {
public:
    // The dark panel, then the words over it.
    void draw(const ScreenFrame& frame) const;
    // The words alone: over black, the panel would not show (a blue of 10 in
    // 255), and leaving it out leaves one kind of drawing to prepare.
    void drawWords(const ScreenFrame& frame) const;
    // The lines, top down; an empty one is a gap.
    static std::vector<std::string> lines(const Settings& settings);
    // The mode the game will be played by, and the key to the next.
    static std::string modeLine(Mode mode);
    // One way of steering said in a line, marked when it is the one in use
    // (the help says it too).
    static std::string steeringLine(const Settings& settings, Steering steering);
};
