#include "Pointer.h"

#include <GL/freeglut.h>

void Pointer::hide() {
    glutSetCursor(GLUT_CURSOR_NONE);
}

void Pointer::show() {
    glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
}

void Pointer::moveTo(int x, int y) {
    glutWarpPointer(x, y);
}
