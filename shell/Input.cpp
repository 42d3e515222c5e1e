#include "Input.h"

#include "ShellState.h"
#include "platform/GameDisplay.h"
#include "platform/Pointer.h"

#include <GL/freeglut.h>

#include <cstdlib>

void centerPointer() {
    Pointer::moveTo(windowWidth >> 1, windowHeight >> 1);
}

void keyDown(unsigned char key, int, int) {
    if (key == 27) {
        GameDisplay::leaveGameMode();
        std::exit(0);
    }
}

void keyUp(unsigned char, int, int) {}

void specialKeyDown(int key, int, int) {
    switch (key) {
    case GLUT_KEY_F1: showStats = !showStats; break;
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

void mouseButton(int, int, int, int) {}

void pointerDragged(int, int) {}

void pointerMoved(int, int) {}

void pointerEntry(int) {}
