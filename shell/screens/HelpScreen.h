#pragma once

struct ScreenFrame;

// Every action with the keys this player's settings bind to it, over a dark
// panel that covers the picture, the cockpit included.
class HelpScreen {
public:
    void draw(const ScreenFrame& frame) const;
};
