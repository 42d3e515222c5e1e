#include "Crosshair.h"

#include "game/Game.h"
#include "entities/MyShip.h"

void Crosshair::draw(const HudFrame& frame) {
    if (frame.game.myShip->getOutsideView() != 0) return;
    begin();
    glColor4f(1, 1, 1, 1);
    addAtCentre(frame.crosshairTexture, 50, 50);
    end();
}
