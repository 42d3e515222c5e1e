// Renders one picture of every generated asset for people to look at: the
// pictures as the game's texture bank loads them, and the three rocks and the
// fighter drawn by the game's own model code. Needs an X display (Xvfb will do).
// Usage: contact_sheet BIN_DIR OUTPUT.png
#include "assets/Ms3dModel.h"
#include "assets/RawImage.h"
#include "assets/TextureBank.h"
#include "tools/PngWriter.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int WIDTH = 1280, HEIGHT = 1120, TILE = 160;

void tileViewport(int column, int row, int columns = 1, int rows = 1) {
    glViewport(column * TILE, HEIGHT - (row + rows) * TILE, columns * TILE, rows * TILE);
}

void drawTexture(GLuint texture, int column, int row, int columns, int rows) {
    tileViewport(column, row, columns, rows);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0); glVertex2f(0.02f, 0.02f);
    glTexCoord2f(1, 0); glVertex2f(0.98f, 0.02f);
    glTexCoord2f(1, 1); glVertex2f(0.98f, 0.98f);
    glTexCoord2f(0, 1); glVertex2f(0.02f, 0.98f);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void picture(TextureBank& bank, const std::string& file, int column, int row, int columns = 1, int rows = 1) {
    drawTexture(bank.createBmpTexture(file), column, row, columns, rows);
}

// A headless RGB image (the font's), drawn like the pictures.
void rawPicture(const std::string& file, int size, int column, int row) {
    const auto image = readRaw(file, size, size);
    if (!image) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return;
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, size, size, 0, GL_RGB, GL_UNSIGNED_BYTE, image->pixels.data());
    drawTexture(texture, column, row, 1, 1);
}

void model(const std::string& file, const std::string& detail, double size, int column, int row, double yaw) {
    Ms3dModel m, second;
    if (!m.load(file)) std::fprintf(stderr, "cannot load %s\n", file.c_str());
    if (!detail.empty() && !second.load(detail)) std::fprintf(stderr, "cannot load %s\n", detail.c_str());
    tileViewport(column, row, 2, 2);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40.0, 1.0, size * 0.1, size * 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat light[] = {0.4f, 1.0f, 0.6f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    gluLookAt(0, size * 1.2, size * 2.6, 0, 0, 0, 0, 1, 0);
    glRotated(yaw, 0, 1, 0);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 1, 1);
    m.draw();
    if (!detail.empty()) {   // the second part darkens the first, as in the game
        glEnable(GL_BLEND);
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        second.draw();
        glDisable(GL_BLEND);
    }
}

}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s BIN_DIR OUTPUT.png\n", argv[0]);
        return 2;
    }
    // Model files name their textures relative to a game folder beside bin/.
    const std::string bin = argv[1], output = argv[2];
    if (chdir((bin + "/../game").c_str()) != 0 && chdir(bin.c_str()) != 0) return 1;
    int glutArgc = 1;
    glutInit(&glutArgc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(WIDTH, HEIGHT);
    glutCreateWindow("contact sheet");
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glClearColor(0.12f, 0.12f, 0.14f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    TextureBank bank;
    const std::string d = bin + "/data/";
    picture(bank, d + "cockpit/cockpit.bmp", 0, 0, 4, 3);
    picture(bank, d + "cockpit/cockpitMask.bmp", 4, 0, 2, 2);
    picture(bank, d + "div/GameOver.bmp", 4, 2, 4, 1);
    picture(bank, d + "cockpit/CrossHair.bmp", 6, 0);
    picture(bank, d + "sky/skyTexture.bmp", 7, 0);
    picture(bank, d + "Ships/hull.bmp", 6, 1);
    picture(bank, d + "Ships/hullDetail.bmp", 7, 1);
    const char* rocks[] = {"oberf2k2.bmp", "ober4k.bmp", "ober3k.bmp"};
    for (int i = 0; i < 3; ++i) picture(bank, bin + "/" + rocks[i], i, 3);
    for (int i = 0; i < 10; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "explosion/ex%02d.bmp", i * 51 / 9);
        picture(bank, d + name, 3 + i % 5, 3 + i / 5);
    }
    rawPicture(d + "fonts/font_256x256.raw", 256, 0, 4);
    rawPicture(d + "fonts/bumps_128x128.raw", 128, 1, 4);
    model(d + "asteroids/ast1.ms3d", "", 110, 0, 5, 20);
    model(d + "asteroids/ast2.ms3d", "", 85, 2, 5, 60);
    model(d + "asteroids/ast3.ms3d", "", 155, 4, 5, 0);
    model(d + "Ships/xwingPart1.ms3d", d + "Ships/xwingPart2.ms3d", 270, 6, 5, 150);

    std::vector<uint8_t> rgb(size_t(WIDTH) * HEIGHT * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, WIDTH, HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    // GL rows come bottom first; PNG rows top first.
    std::vector<uint8_t> topDown(rgb.size());
    const size_t row = size_t(WIDTH) * 3;
    for (int y = 0; y < HEIGHT; ++y) {
        std::copy_n(rgb.begin() + long(size_t(HEIGHT - 1 - y) * row), row, topDown.begin() + long(size_t(y) * row));
    }
    return writePng(output, WIDTH, HEIGHT, 3, topDown) ? 0 : 1;
}
