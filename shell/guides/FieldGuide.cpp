#include "FieldGuide.h"

#include "game/Game.h"
#include "settings/Settings.h"
#include "entities/MyShip.h"

#include "shell/guides/EdgeArrow.h"
#include "assets/Font.h"

#include <cmath>

bool FieldGuide::outside(const Vector3& p, const Vector3& low, const Vector3& high) {
    return p.x < low.x - MARGIN || p.x > high.x + MARGIN || p.y < low.y - MARGIN || p.y > high.y + MARGIN ||
           p.z < low.z - MARGIN || p.z > high.z + MARGIN;
}

void FieldGuide::show(const CockpitView& view, const Vector3& position, const Vector3& low, const Vector3& high,
                      Font& font) {
    if (!outside(position, low, high)) return;
    const Vector3 centre = (low + high) * 0.5f;
    const CockpitView::Seen seen = view.see(centre);
    const EdgeArrow::Colour cyan{0.3f, 0.9f, 1.0f};
    if (seen.inView) EdgeArrow::draw({seen.x, seen.y - 8.0f, 3.14159265f / 2.0f}, cyan);
    // Straight behind, to the left: not under the enemy's arrow, which goes right.
    else EdgeArrow::draw(view.edgeToward(centre, 3.14159265f), cyan);
    const char* text = "leaving the field";
    font.print(320 - 5 * 17, 300, text, 0);
}

void FieldGuide::draw(const HudFrame& frame) {
    if (!frame.settings.fieldArrow || !frame.font || !CockpitView::fromCockpit(frame)) return;
    Vector3 low, high;
    Game::fieldBounds(low, high);
    show(CockpitView::of(frame), frame.game.myShip->getPosition(), low, high, *frame.font);
}
