#include "FrameLoop.h"

#include "game/Game.h"
#include "shell/Scene.h"
#include "timing/FrameStats.h"
#include "shell/guides/GhostMark.h"
#include "shell/view/View.h"
#include "assets/Sky.h"
#include "assets/StarField.h"
#include "assets/TextureBank.h"
#include "entities/EnemyShip.h"
#include "entities/Laser.h"
#include "entities/MyShip.h"
#include "world/World.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <chrono>

FrameLoop::FrameLoop(const Scene& s, View& v) : scene(s), view(v) {}

double FrameLoop::stamp() const {
    if (!split) return 0.0;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The cockpit view: the picture behind, then the scene only where the mask is clear.
void FrameLoop::placeCockpitCamera() {
    const MyShip& ship = *scene.game->myShip;
    view.cockpit.drawBehindScene(view.mask, view.viewport(), view.width(), view.height(), scene.textures->slots[6]);
    const Vector3 p = ship.getPosition(), f = ship.getDirection(), u = ship.getFrame().column(1);
    gluLookAt(p.x, p.y, p.z, p.x + f.x, p.y + f.y, p.z + f.z, u.x, u.y, u.z);
    glStencilFunc(GL_NOTEQUAL, 1, 1);
    if (!asFirstBuilt) {
        // The sky box, 2500 units about the ship on every side, lies inside the
        // far plane and covers every pixel of the view, so the scene's area
        // needs only its depth reset: a depth clear, not a window-sized quad.
        CockpitPicture::scissorToWindow(view.mask, view.viewport());
        glClear(GL_DEPTH_BUFFER_BIT);
        // The quad, drawn black with colour material on, also reset the lit
        // material every frame before the rocks; the overlays (red text, the
        // radar's blips) leave their colour in it. Set it as the quad left it.
        // (While colour material is on, a material call for what it tracks
        // does nothing, so it is switched off for the call.)
        const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
        glDisable(GL_COLOR_MATERIAL);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);
        glEnable(GL_COLOR_MATERIAL);
        glColor3f(1, 1, 1);
        return;
    }
    // As first built: a far black quad clears colour and depth where the mask is clear.
    glPushMatrix();
    glMultMatrixf(ship.getFrame().m);
    glDepthFunc(GL_ALWAYS);
    glColor3f(0, 0, 0);
    glBegin(GL_QUADS);
    glVertex3f(-5800, 5800, 5000);
    glVertex3f(5800, 5800, 5000);
    glVertex3f(5800, -5800, 5000);
    glVertex3f(-5800, -5800, 5000);
    glEnd();
    glColor3f(1, 1, 1);
    glDepthFunc(GL_LEQUAL);
    glPopMatrix();
}

// Two radii behind and 1.1 radii above the ship.
void FrameLoop::placeOutsideCamera() {
    const MyShip& ship = *scene.game->myShip;
    // The sky covers the whole view, so only the first build cleared colour too.
    glClear(asFirstBuilt ? GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT : GL_DEPTH_BUFFER_BIT);
    glDisable(GL_STENCIL_TEST);
    const float r = ship.getRadius();
    const Vector3 p = ship.getPosition(), f = ship.getDirection(), u = ship.getFrame().column(1);
    const Vector3 eye = p + u.normalized() * (1.1f * r) - f.normalized() * (2.0f * r);
    gluLookAt(eye.x, eye.y, eye.z, p.x + f.x, p.y + f.y, p.z + f.z, u.x, u.y, u.z);
}

void FrameLoop::drawSceneAsFirstBuilt() {
    const Vector3 p = scene.game->myShip->getPosition();
    scene.game->world->render();
    scene.sky->draw(p.x, p.y, p.z, 5000, 5000, 5000);
}

void FrameLoop::drawScene() {
    const Vector3 p = scene.game->myShip->getPosition();
    // The sky first, behind everything: with nothing to test or write in
    // the depth buffer it is the cheapest full-window fill there is, and
    // the rocks simply cover it.
    // The rocks and the stars then find the state each found before.
    const GLboolean texturing = glIsEnabled(GL_TEXTURE_2D);
    GLint texture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    scene.sky->draw(p.x, p.y, p.z, 5000, 5000, 5000);
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    if (texturing) glEnable(GL_TEXTURE_2D);
    scene.game->world->render();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
}

void FrameLoop::drawStill() {
    const MyShip* ship = scene.game ? scene.game->myShip : nullptr;
    glDisable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    // Painted whole every time: what stands here is drawn only when asked.
    view.cockpit.lost();
    glPushMatrix();
    view.cockpit.paintWhole(scene.textures->slots[6]);
    glPopMatrix();
    // Before the game is built (the start screen's first picture), the view its ship starts with.
    const Vector3 p = ship ? ship->getPosition() : Game::START_POSITION;
    const Vector3 f = ship ? ship->getDirection() : Game::START_DIRECTION;
    const Vector3 u = ship ? ship->getFrame().column(1) : Game::START_UP;
    gluLookAt(p.x, p.y, p.z, p.x + f.x, p.y + f.y, p.z + f.z, u.x, u.y, u.z);
    glStencilFunc(GL_NOTEQUAL, 1, 1);
    // The sky alone: drawing the rocks or the stars would turn them, and
    // nothing may move before play begins.
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_LIGHTING);
    scene.sky->draw(p.x, p.y, p.z, 5000, 5000, 5000);
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glLoadIdentity();
}

// Shows the frame, then waits out what is left of its time: a sleep, not a
// busy wait, so the core is free meanwhile.
void FrameLoop::show(bool ofPlay) {
    const double before = stamp();
    glutSwapBuffers();
    if (split) split->swap = stamp() - before;
    // The game-over screen is paced like play, but its pictures are no frames of it.
    if (stats && ofPlay) stats->shown();
    else if (stats) stats->pictureShown();
    clock.pace();
}

void FrameLoop::draw(Game& game, uint32_t now, const GhostTrack::Sample* ghost) {
    World& world = *game.world;
    MyShip& ship = *game.myShip;
    world.drawMode = view.options.renderMode;
    glLoadIdentity();
    if (ship.getOutsideView() == 0) placeCockpitCamera();
    else placeOutsideCamera();
    glEnable(GL_LIGHTING);
    if (asFirstBuilt) drawSceneAsFirstBuilt();
    else drawScene();
    game.starField->draw();
    if (game.showsBeam(now)) game.laser->draw(&ship);
    for (const EnemyShip* enemy : game.enemies) enemy->drawBeam();
    if (ghost && !ghost->gone && GhostMark::apart(*ghost, ship.getPosition())) GhostMark::drawShape(*ghost);
    world.drawExplosions();
}
