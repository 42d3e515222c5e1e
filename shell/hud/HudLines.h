#pragma once

#include "shell/hud/Overlay.h"

// The head-up lines: speed, power and points; the fps and draw-mode lines
// while the stats are shown; the short line a volume key shows.
class HudLines : public Overlay {
public:
    void draw(const HudFrame& frame) override;

    // The draw-mode line for 0, 1 and 2.
    static const char* drawModeText(int mode);
};
