#include "PauseScreen.h"

#include "shell/screens/ScreenFrame.h"
#include "assets/Font.h"

#include <cstring>

void PauseScreen::draw(const ScreenFrame& frame) const {
    if (!frame.font) return;
    // Font units: 640 x 480 over the window, 10 per glyph; centred, above the crosshair.
    const char* const line = "PAUSED - p to go on";
    frame.font->print(320 - 5 * int(std::strlen(line)), 300, line, 0);
}
