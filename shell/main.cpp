#include "Display.h"
#include "Input.h"
#include "Scene.h"
#include "ShellState.h"
#include "platform/TerminationSignal.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    TerminationSignal::install();
    pointerDivisor = 1000.0f;
    if (!initDisplay(argc, argv)) return 1;
    initGraphicsState();
    registerCallbacks();
    // The window's size is not known yet, so this does nothing; the frame loop
    // centres the pointer from the first frame on.
    centerPointer();
    buildScene();
    glutMainLoop();
    return 0;
}
