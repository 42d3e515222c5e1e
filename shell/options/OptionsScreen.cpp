#include "OptionsScreen.h"

#include "shell/hud/Overlay.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/view/View.h"
#include "assets/Font.h"

#include <algorithm>
#include <string>

namespace {

// A rectangle in font units, drawn on the 1024 x 768 overlay (y down).
void box(int left, int bottom, int right, int top) {
    glRecti(left * PICTURE_WIDTH / 640, (480 - top) * PICTURE_HEIGHT / 480, right * PICTURE_WIDTH / 640,
            (480 - bottom) * PICTURE_HEIGHT / 480);
}

}

void OptionsScreen::open(Settings& settings) {
    shown.emplace(settings);
}

size_t OptionsScreen::firstShown() const {
    const std::vector<std::string> lines = shown->lines();
    const size_t entries = lines.size() - 1 - (shown->waitingForKey() || !shown->message().empty() ? 1 : 0);
    if (entries <= size_t(VISIBLE)) return 0;
    // The chosen entry stays a few rows from either edge while there is more beyond it.
    const size_t margin = 3;
    const size_t chosen = shown->chosen();
    const size_t first = chosen > size_t(VISIBLE) - 1 - margin ? chosen - (size_t(VISIBLE) - 1 - margin) : 0;
    return std::min(first, entries - size_t(VISIBLE));
}

void OptionsScreen::draw(const ScreenFrame& frame) const {
    if (!shown) return;
    const std::vector<std::string> lines = shown->lines();
    const bool noted = shown->waitingForKey() || !shown->message().empty();
    const size_t entries = lines.size() - 1 - (noted ? 1 : 0);
    const size_t first = firstShown(), last = std::min(entries, first + size_t(VISIBLE));
    const int bottom = FIRST - ROW * (VISIBLE - 1) - 8;
    Overlay::begin();
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Dark enough that the additive letters read over the sky and the struts.
    glColor4f(0.0f, 0.0f, 0.05f, 0.9f);
    box(LEFT - 12, bottom, 640 - LEFT + 12, TITLE + 22);
    // The chosen entry on a bar of its own, so it shows at every size.
    const size_t chosen = shown->chosen();
    if (chosen >= first && chosen < last) {
        const int y = FIRST - ROW * int(chosen - first);
        glColor4f(0.15f, 0.3f, 0.6f, 0.9f);
        box(LEFT - 6, y - 3, 640 - LEFT + 6, y + ROW - 2);
    }
    glPopAttrib();
    Overlay::end();
    if (!frame.font) return;
    frame.font->print(320 - 5 * int(lines[0].size()), TITLE, lines[0], 0);
    const std::string hint = shown->onKeysPage() ? "Enter: choose a key   Escape: close"
                                                 : "arrows: choose and change   Escape: close";
    const std::string& note = noted ? lines.back() : hint;
    frame.font->print(320 - 5 * int(note.size()), NOTE, note, 0);
    for (size_t i = first; i < last; ++i)
        frame.font->print(LEFT, FIRST - ROW * int(i - first), lines[1 + i], 0);
    // More lines above or below the panel's rows.
    if (first > 0) frame.font->print(640 - LEFT - 10, FIRST, "^", 0);
    if (last < entries) frame.font->print(640 - LEFT - 10, FIRST - ROW * (VISIBLE - 1), "v", 0);
}

int OptionsScreen::entryAt(int x, int y, const Viewport& area, int windowHeight) const {
    if (!shown || area.width <= 0 || area.height <= 0) return -1;
    const int fx = (x - area.x) * 640 / area.width;
    const int top = windowHeight - area.y - area.height;
    const int fy = 480 - (y - top) * 480 / area.height;
    // Row r holds the ROW font units from FIRST + ROW - 3 - r * ROW down: the
    // lowest shown row ends one unit above FIRST - ROW * (VISIBLE - 1) - 3.
    if (fx < LEFT - 6 || fx > 640 - LEFT + 6 || fy < FIRST - ROW * (VISIBLE - 1) - 2 || fy >= FIRST + ROW - 2) return -1;
    const int row = (FIRST + ROW - 3 - fy) / ROW;
    const std::vector<std::string> lines = shown->lines();
    const bool noted = shown->waitingForKey() || !shown->message().empty();
    const size_t entries = lines.size() - 1 - (noted ? 1 : 0);
    const size_t entry = firstShown() + size_t(row);
    return entry < entries ? int(entry) : -1;
}
