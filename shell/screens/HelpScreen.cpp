#include "HelpScreen.h"

#include "shell/hud/Overlay.h"
#include "settings/Settings.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/screens/StartScreen.h"
#include "shell/view/View.h"
#include "assets/Font.h"

#include <algorithm>
#include <iterator>
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
        font->print(a < half ? 40 : 330, FIRST - ROW * int(a % half), line, 0);
    }
    // Rows below the keys keep every line on the dark panel.
    const int below = FIRST - ROW * int(half) - 4;
    const Settings& settings = frame.settings;
    const std::string notes[] = {
        "Mouse steering, " + settings.keys.describe(Action::SwitchSteering) + " switches:",
        StartScreen::steeringLine(settings, Steering::Aim),
        StartScreen::steeringLine(settings, Steering::Rates),
        "Enter: play again   No lead: the laser hits at once",
        "Gamepad: left stick steers, triggers throttle, A fires;",
        "Start: pause, play again; Back: this help, held: options",
    };
    for (int i = 0; i < int(std::size(notes)); ++i) font->print(40, below - ROW * i, notes[i], 0);
    glPopAttrib();
}
