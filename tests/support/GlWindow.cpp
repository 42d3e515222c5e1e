#include "GlWindow.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>
#include <unistd.h>

void openGlWindow(int width, int height) {
    static bool open = false;
    if (open) return;
    if (chdir(SPACEFIGHT_GAME_DIR) != 0) std::abort();
    int argc = 1;
    char name[] = "spacefight-tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
    glutInitWindowSize(width, height);
    glutCreateWindow(name);
    glViewport(0, 0, width, height);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    open = true;
}

namespace {

std::vector<uint8_t> readBack(int x, int y, int width, int height, GLenum format, int channels) {
    std::vector<uint8_t> out(size_t(width) * height * channels);
    glFinish();
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, format, GL_UNSIGNED_BYTE, out.data());
    return out;
}

}

std::vector<uint8_t> readPixels(int x, int y, int width, int height) {
    return readBack(x, y, width, height, GL_RGB, 3);
}

std::vector<uint8_t> readStencil(int x, int y, int width, int height) {
    return readBack(x, y, width, height, GL_STENCIL_INDEX, 1);
}

int differingPixels(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int tolerance) {
    // Pictures of different sizes differ everywhere.
    if (a.size() != b.size()) return static_cast<int>(std::max(a.size(), b.size()) / 3);
    const auto far = [&](size_t i) { return std::abs(int(a[i]) - int(b[i])) > tolerance; };
    int count = 0;
    for (size_t i = 0; i + 2 < a.size(); i += 3) count += far(i) || far(i + 1) || far(i + 2);
    return count;
}

void beginFlatPicture(int size) {
    glViewport(0, 0, size, size);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    for (GLenum cap : {GL_LIGHTING, GL_DEPTH_TEST, GL_STENCIL_TEST, GL_TEXTURE_2D}) glDisable(cap);
}

void beginLitScene(int size, double fieldOfView, double nearPlane, double farPlane) {
    beginFlatPicture(size);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView, 1.0, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat up[] = {0, 1, 0, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, up);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glColor3f(1, 1, 1);
}

int countPixels(const std::vector<uint8_t>& rgb, int width, const std::function<bool(Pixel)>& test, int x0, int y0,
                int x1, int y1) {
    const int height = width > 0 ? static_cast<int>(rgb.size() / 3 / size_t(width)) : 0;
    x1 = x1 < 0 ? width : std::min(x1, width);
    y1 = y1 < 0 ? height : std::min(y1, height);
    int n = 0;
    for (int y = std::max(y0, 0); y < y1; ++y) {
        for (int x = std::max(x0, 0); x < x1; ++x) n += test(pixelAt(rgb, width, x, y));
    }
    return n;
}
