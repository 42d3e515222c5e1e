#pragma once

struct ScreenFrame;

// "PAUSED" over the kept frame, above the crosshair.
class PauseScreen {
public:
    void draw(const ScreenFrame& frame) const;
};
