#include "Display.h"

#include "shell/view/View.h"
#include "platform/GameDisplay.h"
#include "platform/Pointer.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <future>


namespace {
const char* const GAME_MODE = "1024x768:32@70";
// The toolkit does not know the token "hw=1" and warns of it on every start.
const char* const DISPLAY_STRING = "rgb double depth stencil";
const char* const MASK_PATH = "../bin/data/cockpit/cockpitMask.bmp";

std::future<CockpitMask> maskAhead;
}

void readMaskAhead() {
    maskAhead = std::async(std::launch::async, [] {
        CockpitMask mask;
        mask.load(MASK_PATH);
        return mask;
    });
}

bool initDisplay(int& argc, char** argv, bool windowed) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
    glutInitDisplayString(DISPLAY_STRING);
    return GameDisplay::open(GAME_MODE, 1024, 768, "spacefight", windowed);
}

bool initGraphicsState(View& view) {
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

    if (maskAhead.valid()) view.mask = maskAhead.get();
    else view.mask.load(MASK_PATH);
    return true;
}

void fitView(View& view, int width, int height, bool withStencil) {
    // Everything, the bars beside or above the picture included, starts black.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    // The clear erased the cockpit picture too: the view paints it again.
    view.resize(width, height);
    const Viewport& area = view.viewport();
    glViewport(area.x, area.y, area.width, area.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(80.0, 4.0 / 3.0, 1.0, 5000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glStencilFunc(GL_ALWAYS, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    if (withStencil) fillStencil(view);
}

void fillStencil(const View& view) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-3.0, 3.0, -3.0, 3.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glStencilFunc(GL_ALWAYS, 1, 1);
    glStencilOp(GL_REPLACE, GL_REPLACE, GL_REPLACE);
    view.mask.drawStencil(view.viewport());
    // Nothing drawn later may mark the mask: a screen's letters drawn before
    // the next frame of play would stay in it as dark shapes.
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}
