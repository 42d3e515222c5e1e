#include "PauseScreen.h"

#include "shell/input/Settings.h"
#include "shell/screens/ScreenFrame.h"
#include "assets/Font.h"

std::string PauseScreen::line(const Settings& settings) {
    return "PAUSED - " + settings.keys.describe(Action::Pause) + " to go on";
}

void PauseScreen::draw(const ScreenFrame& frame) const {
    if (!frame.font) return;
    // Font units: 640 x 480 over the picture, 10 per glyph; centred, above the crosshair.
    const std::string text = line(frame.settings);
    frame.font->print(320 - 5 * int(text.size()), 300, text, 0);
}
