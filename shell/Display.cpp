#include "Display.h"

#include "FrameLoop.h"
#include "Input.h"
#include "Screens.h"
#include "ShellState.h"
#include "platform/GameDisplay.h"
#include "platform/Pointer.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdint>

namespace {
const char* const GAME_MODE = "1024x768:32@70";
// The toolkit does not know the token "hw=1" and warns of it on every start.
const char* const DISPLAY_STRING = "rgb double depth stencil";
const char* const MASK_PATH = "../bin/data/cockpit/cockpitMask.bmp";
}

bool initDisplay(int& argc, char** argv, bool windowed) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
    glutInitDisplayString(DISPLAY_STRING);
    return GameDisplay::open(GAME_MODE, 1024, 768, "spacefight", windowed);
}

bool initGraphicsState() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glShadeModel(GL_SMOOTH);
    glClearStencil(0);
    glEnable(GL_STENCIL_TEST);
    Pointer::hide();

    // Set while the model-view matrix is the identity, so the light comes from
    // the viewer's up direction whatever the camera does.
    const GLfloat ambient[] = {0.3f, 0.3f, 0.3f, 1.0f};
    const GLfloat diffuse[] = {0.9f, 0.9f, 0.9f, 1.0f};
    const GLfloat specular[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat direction[] = {0.0f, 1.0f, 0.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    const GLfloat globalAmbient[] = {0.2f, 0.2f, 0.2f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, globalAmbient);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);

    if (readBmpRecord(cockpitMask, MASK_PATH)) {
        cockpitStencil = cockpitMask.stencilIndices();
        cockpitPieces = coveringRects(cockpitStencil, cockpitMask.width(), cockpitMask.height(), 16);
        cockpitWindow = clearBounds(cockpitStencil, cockpitMask.width(), cockpitMask.height());
    }
    return true;
}

bool registerCallbacks() {
    glutKeyboardFunc(keyDown);
    glutKeyboardUpFunc(keyUp);
    glutSpecialFunc(specialKeyDown);
    glutSpecialUpFunc(specialKeyUp);
    glutMouseFunc(mouseButton);
    glutMotionFunc(pointerDragged);
    glutPassiveMotionFunc(pointerMoved);
    glutEntryFunc(pointerEntry);
    // Auto-repeat stays on: holding a throttle key keeps changing the speed.
    glutIgnoreKeyRepeat(0);
    glutDisplayFunc(displayFrame);
    // Between events the next frame is drawn at once, except while paused.
    glutIdleFunc(idleFrame);
    glutReshapeFunc(reshape);
    return true;
}

void drawCockpitMask() {
    if (cockpitStencil.empty()) return;
    // The mask covers the picture's area whatever its size: its lower-left
    // corner at the viewport's, stretched over all of it. The caller's
    // projection maps (-3, -3) to that corner.
    glRasterPos2f(-3.0f, -3.0f);
    glPixelZoom(static_cast<float>(viewport.width) / cockpitMask.width(),
                static_cast<float>(viewport.height) / cockpitMask.height());
    glDrawPixels(cockpitMask.width(), cockpitMask.height(), GL_STENCIL_INDEX, GL_UNSIGNED_BYTE,
                 cockpitStencil.data());
    glPixelZoom(1.0f, 1.0f);
}

Viewport fitViewport(int width, int height) {
    Viewport v;
    if (width <= 0 || height <= 0) return v;
    // The widest 4:3 area that fits, centred; integer pixels, so the bars
    // may differ by one.
    v.width = width;
    v.height = static_cast<int>(static_cast<int64_t>(width) * 3 / 4);
    if (v.height > height) {
        v.height = height;
        v.width = static_cast<int>(static_cast<int64_t>(height) * 4 / 3);
    }
    v.x = (width - v.width) / 2;
    v.y = (height - v.height) / 2;
    return v;
}

void reshape(int width, int height) {
    // Everything, the bars beside or above the picture included, starts black.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    viewport = fitViewport(width, height);
    glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-3.0, 3.0, -3.0, 3.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glStencilFunc(GL_ALWAYS, 1, 1);
    glStencilOp(GL_REPLACE, GL_REPLACE, GL_REPLACE);
    drawCockpitMask();
    // The clear above erased the cockpit picture too; paint it again.
    cockpitFrames = 0;

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(80.0, 4.0 / 3.0, 1.0, 5000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    windowWidth = width;
    windowHeight = height;
    screens.handle(ScreenEvent::Resize);
}

std::vector<PictureRect> coveringRects(const std::vector<uint8_t>& mask, int width, int height, int band) {
    std::vector<PictureRect> rects;
    if (width <= 0 || height <= 0 || band <= 0 || mask.size() < size_t(width) * size_t(height)) return rects;
    std::vector<uint8_t> columns(static_cast<size_t>(width));
    for (int y0 = 0; y0 < height; y0 += band) {
        const int y1 = std::min(height, y0 + band);
        std::fill(columns.begin(), columns.end(), 0);
        for (int y = y0; y < y1; ++y) {
            const uint8_t* row = &mask[size_t(y) * size_t(width)];
            for (int x = 0; x < width; ++x) columns[size_t(x)] |= row[x];
        }
        for (int x = 0; x < width;) {
            if (!columns[size_t(x)]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && columns[size_t(x)]) ++x;
            rects.push_back({start, y0, x, y1});
        }
    }
    return rects;
}

PictureRect clearBounds(const std::vector<uint8_t>& mask, int width, int height) {
    PictureRect r = {width, height, 0, 0};
    if (width <= 0 || height <= 0 || mask.size() < size_t(width) * size_t(height)) return {0, 0, 0, 0};
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = &mask[size_t(y) * size_t(width)];
        for (int x = 0; x < width; ++x) {
            if (row[x]) continue;
            r.x0 = std::min(r.x0, x);
            r.x1 = std::max(r.x1, x + 1);
            r.y0 = std::min(r.y0, y);
            r.y1 = std::max(r.y1, y + 1);
        }
    }
    if (r.x1 == 0) return {0, 0, 0, 0};
    return r;
}
