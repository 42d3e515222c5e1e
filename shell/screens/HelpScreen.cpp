#include "HelpScreen.h"

#include "shell/hud/Overlay.h"
#include "settings/Settings.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/view/View.h"
#include "assets/Font.h"

#include <algorithm>
#include <string>

void HelpScreen::draw(const ScreenFrame& frame) const {
    // Over the whole picture, the cockpit included: not cut by its mask.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_STENCIL_TEST);
    // Dark enough that the additive letters read over the cockpit's bright struts too.
    Overlay::darkPanel(40, 60, PICTURE_WIDTH - 40, PICTURE_HEIGHT - 60, 0.92f);
    Font* font = frame.font;
    if (!font) {
        glPopAttrib();
        return;
    }
    const std::string title = "KEYS  -  paused; " + frame.settings.keys.describe(Action::Help) + " or escape goes on";
    font->print(320 - 5 * int(title.size()), 430, title, 0);
    // Two columns of action: keys, in font units (640 x 480).
    const size_t count = size_t(Action::Count), half = (count + 1) / 2;
    for (size_t a = 0; a < count; ++a) {
        std::string name = KeyBindings::actionName(Action(a));
        std::replace(name.begin(), name.end(), '_', ' ');
        const std::string line = name + ": " + frame.settings.keys.describe(Action(a));
        font->print(a < half ? 40 : 330, 395 - 21 * int(a % half), line, 0);
    }
    // Rows of 19 below the keys keep every line on the dark panel.
    const int below = 395 - 21 * int(half) - 4;
    const char* const notes[] = {"Enter: play again after the game is over   mouse: steer",
                                 "No lead: the laser hits at once; aim at the box",
                                 "Gamepad: left stick steers; right trigger throttle up,",
                                 "left trigger down; A or right shoulder fires;",
                                 "Start: pause, play again; Back: this help, held: options"};
    for (int i = 0; i < 5; ++i) font->print(40, below - 19 * i, notes[i], 0);
    glPopAttrib();
}
