#include "Input.h"

#include "Game.h"
#include "Scene.h"
#include "Screens.h"
#include "ShellState.h"
#include "entities/Laser.h"
#include "entities/MyShip.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "world/World.h"

#include <GL/freeglut.h>


void centerPointer() {
    // Before the first reshape there is no centre: warping to (0, 0) then would
    // come back as a pointer move of half the screen once the size is known,
    // and set the ship spinning before the player has touched the mouse.
    if (windowWidth == 0 || windowHeight == 0) return;
    Pointer::moveTo(windowWidth >> 1, windowHeight >> 1);
}

void keyDown(unsigned char key, int, int) {
    switch (key) {
    case 27: screens.handle(ScreenEvent::EscapeKey); break;
    case 13: screens.handle(ScreenEvent::EnterKey); break;
    case 'p': screens.handle(ScreenEvent::PauseKey); break;
    case 'a':
        if (game && screens.playing()) game->myShip->changeSpeed(1.0f, true);
        break;
    case 'y':
        if (game && screens.playing()) game->myShip->changeSpeed(1.0f, false);
        break;
    default: break;
    }
}

void keyUp(unsigned char, int, int) {}

void specialKeyDown(int key, int, int) {
    if (!screens.playing()) return;
    switch (key) {
    case GLUT_KEY_F1: showStats = !showStats; break;
    case GLUT_KEY_F2:
        if (!game) break;
        if (game->myShip->getOutsideView() == 0) {
            game->myShip->setOutsideView(1);
        } else {
            game->myShip->setOutsideView(0);
            cockpitFrames = 0;   // paint the cockpit again
        }
        break;
    case GLUT_KEY_F3: renderMode = 0; break;
    case GLUT_KEY_F4: renderMode = 1; break;
    case GLUT_KEY_F5: renderMode = 2; break;
    case GLUT_KEY_F6:
        flatShading = !flatShading;
        glShadeModel(flatShading ? GL_FLAT : GL_SMOOTH);
        break;
    default: break;
    }
}

void fireShot() {
    World* world = game->world.get();
    MyShip* myShip = game->myShip;
    Laser* laser = game->laser.get();
    const int hit = laser->fire(myShip, 0.1f, world);
    game->lastShotTime = static_cast<float>(Clock::milliseconds());
    if (hit != -1) {
        const Vector3 impact = laser->hitPoint(static_cast<unsigned>(hit));
        SpaceObject* target = world->objectAt(static_cast<unsigned>(hit));
        const Vector3 offset = impact - target->getPosition();
        target->subtractEnergy(laser->getDamage());
        const SpaceObject* still = world->findById(target->getWorldId());
        if (still && still->getEnergy() > 0.0f) {
            world->addExplosion(myShip, offset, target->getPosition(), target->getWorldId());
        }
    } else {
        laser->setLength(3000.0f);
    }
    world->playSample(0);
}

void mouseButton(int button, int state, int, int) {
    if (button == GLUT_LEFT_BUTTON && state == GLUT_DOWN && game) screens.handle(ScreenEvent::Click);
}

void pointerDragged(int, int) {}

void pointerMoved(int x, int y) {
    if (!screens.playing()) return;   // the pointer is the desktop's while paused
    const int cx = windowWidth >> 1, cy = windowHeight >> 1;
    if (x == cx && y == cy) return;   // the event the re-centring itself causes
    centerPointer();
    if (game) game->myShip->addTurn((x - cx) / pointerDivisor, (y - cy) / pointerDivisor);
}

void pointerEntry(int) {}
