#pragma once

#include "settings/OptionsMenu.h"

#include <optional>

struct Settings;
struct ScreenFrame;
struct Viewport;

// The options menu drawn over what stands behind it: the menu's lines on a
// dark panel inside the cockpit's window, the chosen entry on a brighter bar.
// A page longer than the panel scrolls with the choice. It also tells which
// entry lies under the pointer, so a click can choose it.
class OptionsScreen {
public:
    // The menu over these settings, on its first entry.
    void open(Settings& settings);
    OptionsMenu& menu() { return *shown; }
    bool isOpen() const { return shown.has_value(); }

    void draw(const ScreenFrame& frame) const;
    // The entry under window pixel (x, y) (from the top left), or -1.
    int entryAt(int x, int y, const Viewport& area, int windowHeight) const;

    // Font units: 640 x 480 over the picture, y up, glyphs 10 wide and 16 high.
    static constexpr int LEFT = 30, TITLE = 432, NOTE = 412, FIRST = 388, ROW = 17, VISIBLE = 17;

private:
    // The first entry shown: the page scrolls so the chosen one stays in sight.
    size_t firstShown() const;

    std::optional<OptionsMenu> shown;
};
