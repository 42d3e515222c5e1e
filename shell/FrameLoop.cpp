#include "FrameLoop.h"

#include "CockpitCopy.h"
#include "Collisions.h"
#include "FrameStats.h"
#include "Game.h"
#include "Hud.h"
#include "Input.h"
#include "Radar.h"
#include "Scene.h"
#include "Screens.h"
#include "replay/FrameCapture.h"
#include "replay/Replay.h"
#include "ShellState.h"
#include "assets/Sky.h"
#include "assets/StarField.h"
#include "assets/TextureBank.h"
#include "entities/Laser.h"
#include "entities/MyShip.h"
#include "platform/BackBuffer.h"
#include "platform/Clock.h"
#include "platform/TerminationSignal.h"
#include "world/World.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <chrono>
#include <cmath>

FrameSplit* frameSplit = nullptr;
FrameStats* frameStats = nullptr;

namespace {

Radar radar;
CockpitCopy cockpitCopy;

double stamp() {
    if (!frameSplit) return 0.0;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The viewport's pixels under the mask's window rectangle, rounded outwards.
void scissorToWindow() {
    const int w = cockpitMask.width(), h = cockpitMask.height();
    if (w <= 0 || h <= 0) return;
    const PictureRect& r = cockpitWindow;
    const int64_t vw = viewport.width, vh = viewport.height;
    const int x0 = static_cast<int>(r.x0 * vw / w), y0 = static_cast<int>(r.y0 * vh / h);
    const int x1 = static_cast<int>((r.x1 * vw + w - 1) / w), y1 = static_cast<int>((r.y1 * vh + h - 1) / h);
    glEnable(GL_SCISSOR_TEST);
    glScissor(viewport.x + x0, viewport.y + y0, x1 - x0, y1 - y0);
}

// The cockpit view: the picture during its first 30 frames (or every frame
// where the back buffer is not kept), then the scene only where the mask is
// clear.
void placeCockpitCamera(const MyShip& ship) {
    if (cockpitFrames < 30) {
        drawCockpit();
        // The finished picture is kept aside where the buffer will not keep
        // it. What it holds outside the cockpit does not matter: the scene
        // covers all of that every frame.
        if (cockpitFrames == 29) {
            cockpitCopy.forget();
            if (!BackBuffer::keepsContents()) cockpitCopy.save(viewport);
        }
        glutPostRedisplay();
        ++cockpitFrames;
    } else if (!BackBuffer::keepsContents()) {
        // The buffer may hold anything: the bars beside the picture (where
        // the window is not 4:3) and the cockpit are drawn again, by a copy
        // where the driver offers one.
        if (viewport.width != windowWidth || viewport.height != windowHeight) glClear(GL_COLOR_BUFFER_BIT);
        if (!cockpitCopy.restore(cockpitPieces, cockpitMask.width(), cockpitMask.height())) repaintCockpit();
    }
    const Vector3 p = ship.getPosition(), f = ship.getDirection(), u = ship.getFrame().column(1);
    gluLookAt(p.x, p.y, p.z, p.x + f.x, p.y + f.y, p.z + f.z, u.x, u.y, u.z);
    glStencilFunc(GL_NOTEQUAL, 1, 1);
    if (!unoptimisedFrames) {
        // The sky box, 2500 units about the ship on every side, lies inside the
        // far plane and covers every pixel of the view, so the scene's area
        // needs only its depth reset: a depth clear, not a window-sized quad.
        // Nothing of the scene shows outside the cockpit's window, so the
        // renderer is not even given the dashboard's rows to test.
        if (!cockpitStencil.empty()) scissorToWindow();
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
void placeOutsideCamera(const MyShip& ship) {
    // The sky covers the whole view, so only the first build cleared colour too.
    glClear(unoptimisedFrames ? GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT : GL_DEPTH_BUFFER_BIT);
    glDisable(GL_STENCIL_TEST);
    const float r = ship.getRadius();
    const Vector3 p = ship.getPosition(), f = ship.getDirection(), u = ship.getFrame().column(1);
    const Vector3 eye = p + u.normalized() * (1.1f * r) - f.normalized() * (2.0f * r);
    gluLookAt(eye.x, eye.y, eye.z, p.x + f.x, p.y + f.y, p.z + f.z, u.x, u.y, u.z);
}

}

// Shows the frame, then waits out what is left of its time: a sleep, not a
// busy wait, so the core is free meanwhile.
void showFrame() {
    const double before = stamp();
    frameCapture.shown(replay.frames(), windowWidth, windowHeight);
    glutSwapBuffers();
    if (frameSplit) frameSplit->swap = stamp() - before;
    if (frameStats) frameStats->shown();
    frameClock.pace();
}

void displayFrame() {
    if (TerminationSignal::received()) screens.handle(ScreenEvent::Signal);
    pollGamepad();
    replay.step();
    if (replay.ended()) return;   // a test's replay that has played to its end
    screens.display();
}

void idleFrame() {
    pollGamepad();
    replay.step();
    if (replay.ended()) return;
    screens.idle();
}

void playFrame() {
    // The frame's clock, frame time and input: the player's, or a replay's.
    applyCommands(replay.beginFrame(takeCommands()));
    const float frameTime = frameClock.frameTime();
    World& world = *game->world;
    MyShip& ship = *game->myShip;
    const double start = stamp();
    resolveCollisions(world, ship, frameTime);
    double logic = stamp() - start;
    world.drawMode = renderMode;
    glLoadIdentity();
    if (ship.getOutsideView() == 0) placeCockpitCamera(ship);
    else placeOutsideCamera(ship);
    centerPointer();
    steerByKeys(ship, frameTime);
    ship.yaw(2.0f * ship.getYawRate() * frameTime);
    ship.pitch(2.0f * ship.getPitchRate() * frameTime);
    glEnable(GL_LIGHTING);
    const Vector3 p = ship.getPosition();
    if (unoptimisedFrames) {
        world.render();
        sky->draw(p.x, p.y, p.z, 5000, 5000, 5000);
    } else {
        // The sky first, behind everything: with nothing to test or write in
        // the depth buffer it is the cheapest full-window fill there is, and
        // the rocks simply cover it.
        // The rocks and the stars then find the state each found before.
        const GLboolean texturing = glIsEnabled(GL_TEXTURE_2D);
        GLint texture = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        glDisable(GL_DEPTH_TEST);
        glDepthMask(GL_FALSE);
        sky->draw(p.x, p.y, p.z, 5000, 5000, 5000);
        glDepthMask(GL_TRUE);
        glEnable(GL_DEPTH_TEST);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
        if (texturing) glEnable(GL_TEXTURE_2D);
        world.render();
        glBindTexture(GL_TEXTURE_2D, 0);
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_LIGHTING);
    }
    game->starField->draw();
    const float now = static_cast<float>(Clock::milliseconds());
    if (game->lastShotTime != 0.0f && game->lastShotTime - now > -100.0f) game->laser->draw(&ship);
    double mark = stamp();
    world.updateEnemyShips(frameTime);
    world.removeDestroyed();
    if (ship.getOutsideView() == 0 && radarShown) radar.update(world, ship);
    logic += stamp() - mark;
    // The game ends with this frame: its view, before the crosshair and the
    // head-up lines, stays behind the game-over screen.
    if (ship.getEnergy() <= 0.0f) screens.keepView();
    glDisable(GL_SCISSOR_TEST);
    if (ship.getOutsideView() == 0 && radarShown) radar.draw(textureBank->slots[6]);
    drawSpeedAndPower(ship);
    const std::string& fps = frameClock.updateFrameRate();
    if (showStats) drawStats(fps, world.drawMode);
    if (const std::string* status = statusLine()) drawStatusLine(*status);
    glDisable(GL_TEXTURE_2D);
    if (ship.getOutsideView() == 0) {
        drawCrosshair();
        if (settings.turnMarker) drawTurnMarker(ship.getYawRate(), ship.getPitchRate());
    }
    // The end of the game, or of a frame that a pause was asked for in.
    screens.handle(ship.getEnergy() <= 0.0f ? ScreenEvent::PowerGone : ScreenEvent::FrameDrawn);
    replay.endFrame();
    if (frameSplit) {
        frameSplit->logic = logic;
        frameSplit->submit = stamp() - start - logic;
    }
    showFrame();
}
