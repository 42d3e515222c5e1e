#include "PauseScreen.h"

#include "settings/Settings.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/hud/Overlay.h"
#include "assets/Font.h"

std::string PauseScreen::line(const Settings& settings) {
    return "PAUSED - " + settings.keys.describe(Action::Pause) + " to go on";
}

void PauseScreen::draw(const ScreenFrame& frame) const {
    if (!frame.font) return;
    // Font units: 640 x 480 over the picture, 10 per glyph; centred, above the crosshair.
    const std::string text = line(frame.settings);
    const int x = 320 - 5 * int(text.size()), y = 300;
    // What the kept frame holds there (the field's warning, the target box's
    // distance) is hidden under the line, never read through it.
    Overlay::darkPanel((x - 8) * 1024 / 640, (480 - y - 22) * 768 / 480, (640 - x + 8) * 1024 / 640,
                       (480 - y + 6) * 768 / 480, 1.0f);
    frame.font->print(x, y, text, 0);
}
