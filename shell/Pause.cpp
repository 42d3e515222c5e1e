#include "Pause.h"

#include "FrameLoop.h"
#include "Input.h"
#include "Scene.h"
#include "ShellState.h"
#include "assets/Font.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "platform/TerminationSignal.h"

#include <GL/freeglut.h>

#include <chrono>
#include <thread>

std::vector<uint8_t> Pause::frame;
int Pause::frameWidth = 0;
int Pause::frameHeight = 0;

namespace {
bool paused = false;
bool pending = false;   // asked for; begins when the current frame is drawn
}

bool Pause::active() {
    return paused;
}

void Pause::toggle() {
    if (!paused) {
        pending = !pending;
        return;
    }
    paused = false;
    frame.clear();
    frame.shrink_to_fit();
    Pointer::hide();
    centerPointer();   // its own motion event is ignored; the turn rates stay as they were
    Clock::resume();
    glutIdleFunc(displayFrame);
    // The picture was painted over: paint the cockpit again.
    cockpitFrames = 0;
}

void Pause::beginIfAsked() {
    if (!pending) return;
    pending = false;
    paused = true;
    Clock::suspend();
    // The frame just drawn is kept, to be shown again (with the word) on every
    // redraw until the game goes on. Only the back buffer is sure to hold it.
    frameWidth = windowWidth;
    frameHeight = windowHeight;
    frame.assign(size_t(frameWidth) * size_t(frameHeight) * 3, 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, frameWidth, frameHeight, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    Pointer::show();
    glutIdleFunc(idle);
    glutPostRedisplay();
}

void Pause::drawPausedFrame() {
    glPushAttrib(GL_ENABLE_BIT | GL_VIEWPORT_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glViewport(0, 0, windowWidth, windowHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, windowWidth, 0, windowHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    if (frameWidth == windowWidth && frameHeight == windowHeight && !frame.empty()) {
        glRasterPos2i(0, 0);
        glDrawPixels(frameWidth, frameHeight, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    } else {
        glClear(GL_COLOR_BUFFER_BIT);   // resized while paused: the old frame no longer fits
    }
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
    if (font) font->print(290, 300, "PAUSED", 0);
    glutSwapBuffers();
}

void Pause::idle() {
    TerminationSignal::exitIfReceived();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}
