#include "PipelineWarmup.h"

#include "platform/Clock.h"

#include "game/Game.h"
#include "shell/Scene.h"
#include "shell/frame/FrameLoop.h"
#include "shell/input/Controls.h"
#include "shell/view/View.h"
#include "assets/Explosion.h"
#include "assets/Sky.h"
#include "assets/StarField.h"
#include "assets/TextureBank.h"
#include "entities/Asteroid.h"
#include "entities/EnemyShip.h"
#include "entities/Laser.h"
#include "entities/MyShip.h"
#include "world/World.h"

#include <GL/glu.h>

#include <cstring>

PipelineWarmup::PipelineWarmup(const Scene& s, View& v, FrameLoop& f, const Controls& c)
    : scene(s), view(v), frames(f), controls(c) {}

namespace {

constexpr int COCKPIT_TEXTURE = 6, CROSSHAIR_TEXTURE = 8, DIALS_TEXTURE = 7;

// Every object as the frame draws it. A rock turns each time it is drawn, so
// a copy of it is drawn instead; the ships do not move when drawn.
void drawObjects(World& world, int mode) {
    for (unsigned i = 0; SpaceObject* object = world.objectAt(i); ++i) {
        if (std::strcmp(object->getTypeName(), "Asteroid") == 0) {
            Asteroid still = *static_cast<const Asteroid*>(object);
            still.draw(true, mode);
        } else if (std::strcmp(object->getTypeName(), "EnemyShip") == 0) {
            object->draw(true, mode);
        }
    }
}

// The sky first with no depth, then the objects, as the frame of play does.
void drawScene(Sky& sky, Game& game, int mode) {
    const Vector3 p = game.myShip->getPosition();
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_LIGHTING);
    sky.draw(p.x, p.y, p.z, 5000, 5000, 5000);
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    drawObjects(*game.world, mode);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
}

// What comes and goes in play: both ships' beams, a destruction's fireball and a hit's.
void drawPassing(const GLuint* slots, Game& game) {
    const MyShip& ship = *game.myShip;
    game.laser->draw(&ship);
    if (!game.enemies.empty()) game.laser->draw(game.enemies.front());
    const Vector3 ahead = ship.getPosition() + ship.getDirection() * 60.0f;
    Explosion(Vector3(0, 0, 0), ahead, -1, slots, 0).draw(ship.getFrame().m);
    Explosion(Vector3(1, 1, 1), ahead, -1, slots, 0).draw(ship.getFrame().m);
}

void lookFrom(const Vector3& eye, const MyShip& ship) {
    const Vector3 p = ship.getPosition(), f = ship.getDirection(), u = ship.getFrame().column(1);
    gluLookAt(eye.x, eye.y, eye.z, p.x + f.x, p.y + f.y, p.z + f.z, u.x, u.y, u.z);
}

}

void PipelineWarmup::drawOverlays(Game& game) {
    const GLuint* slots = scene.textures->slots.data();
    const FrameEvents nothing;   // drawn, never updated: no overlay learns anything from this
    const HudFrame overlays = {game,          view, controls.settings(), frames.clock, scene.font,
                               slots[COCKPIT_TEXTURE], slots[CROSSHAIR_TEXTURE], slots[DIALS_TEXTURE],
                               controls.statusLine(), nothing, Clock::milliseconds()};
    glDisable(GL_SCISSOR_TEST);
    frames.hud.draw(overlays);
}

// The cockpit view: the picture painted whole and put back (from the
// picture, then from a copy of it), the scene through the window onto space.
void PipelineWarmup::drawCockpitFrame(Game& game, int mode) {
    const GLuint cockpit = scene.textures->slots[COCKPIT_TEXTURE];
    glDisable(GL_SCISSOR_TEST);
    glLoadIdentity();
    glPushMatrix();
    view.cockpit.paintWhole(cockpit);
    glPopMatrix();
    CockpitPicture::repaint(view.mask, cockpit);
    {
        CockpitCopy copy;
        if (copy.save(view.viewport())) copy.restore(view.mask.pieces(), view.mask.width(), view.mask.height());
    }
    lookFrom(game.myShip->getPosition(), *game.myShip);
    glStencilFunc(GL_NOTEQUAL, 1, 1);
    CockpitPicture::scissorToWindow(view.mask, view.viewport());
    glClear(GL_DEPTH_BUFFER_BIT);
    drawScene(*scene.sky, game, mode);
    game.starField->draw();   // drawing moves no star: they are renewed by the game's step
    drawPassing(scene.textures->slots.data(), game);
    drawOverlays(game);
}

// The view from behind the ship: no stencil, the whole viewport.
void PipelineWarmup::drawOutsideFrame(Game& game, int mode) {
    const MyShip& ship = *game.myShip;
    glDisable(GL_SCISSOR_TEST);
    glLoadIdentity();
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_STENCIL_TEST);
    const float r = ship.getRadius();
    lookFrom(ship.getPosition() + ship.getFrame().column(1).normalized() * (1.1f * r) -
                 ship.getDirection().normalized() * (2.0f * r),
             ship);
    drawScene(*scene.sky, game, mode);
    game.starField->draw();
    drawPassing(scene.textures->slots.data(), game);
    drawOverlays(game);
    glEnable(GL_STENCIL_TEST);
}

void PipelineWarmup::afterPicture() {
    Game* game = scene.game;
    if (!game || !scene.textures || !scene.sky || !game->myShip || !game->laser || !game->starField) return;
    if (view.width() <= 0 || (view.width() == warmedWidth && view.height() == warmedHeight)) return;
    warmedWidth = view.width();
    warmedHeight = view.height();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    // Each draw mode (models, display lists, vertex arrays) feeds the
    // renderer its own way, and the keys switch between them in play.
    for (int mode = 0; mode < 3; ++mode) {
        drawCockpitFrame(*game, mode);
        drawOutsideFrame(*game, mode);
    }
    // The renderer's threads finish here, not in the first frame of play.
    glFinish();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
}
