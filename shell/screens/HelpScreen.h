#pragma once

struct ScreenFrame;

// Every action with the keys this player's settings bind to it, over a dark
// panel that covers the picture, the cockpit included.
class HelpScreen {
public:
    void draw(const ScreenFrame& frame) const;

    // Font units (640 x 480, y up): the first row of keys, and rows of them.
    static constexpr int FIRST = 400, ROW = 18;
};
