#pragma once

#include <string>

struct Settings;
struct ScreenFrame;

// "PAUSED" over the kept frame, above the crosshair, with the key that goes on.
class PauseScreen {
public:
    void draw(const ScreenFrame& frame) const;
    // "PAUSED - p to go on", naming the key this player's settings bind.
    static std::string line(const Settings& settings);
};
