#include "FrameLoop.h"

#include "Input.h"
#include "ShellState.h"
#include "platform/Clock.h"

#include <GL/freeglut.h>

const std::string& updateFrameRate() {
    const std::string& text = frameRate.update(Clock::milliseconds() * 0.001f);
    frameTime = frameRate.frameTime();
    return text;
}

void displayFrame() {
    if (gameOver) {
        glutSwapBuffers();
        return;
    }
    glLoadIdentity();
    // From here on the scene is drawn only where the cockpit mask is clear.
    glStencilFunc(GL_NOTEQUAL, 1, 1);
    centerPointer();
    glEnable(GL_LIGHTING);
    updateFrameRate();
    glDisable(GL_TEXTURE_2D);
    glutSwapBuffers();
}
