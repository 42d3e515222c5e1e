// The floor under the game's start-up: a freeglut program that opens the
// game's window (1024x768, double-buffered, depth and stencil), shows one
// cleared frame and ends, timed the way the game is timed (from the
// process's start as the kernel counts it to the first frame shown).
//   empty_window STATS.json
#include "timing/FrameStats.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

namespace {

const char* statsPath = nullptr;
FrameStats stats;

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glutSwapBuffers();
    stats.shown();
    std::string why;
    const bool written = stats.write(statsPath, why);
    if (!written) std::fprintf(stderr, "empty_window: cannot write %s (%s)\n", statsPath, why.c_str());
    std::exit(written ? 0 : 1);
}

}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: empty_window STATS.json\n");
        return 2;
    }
    statsPath = argv[1];
    int toolkitArgc = 1;
    glutInit(&toolkitArgc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
    glutInitDisplayString("rgb double depth stencil");
    glutInitWindowSize(1024, 768);
    glutInitWindowPosition(0, 0);
    if (glutCreateWindow("empty") <= 0) return 1;
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}
