#include "assets/Ms3dModel.h"
#include "support/GlWindow.h"
#include "support/ModelFixtures.h"
#include "support/TestFiles.h"
#include "tools/BmpWriter.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

namespace {

constexpr int SIZE = 256;

// The game's fixed lighting, a camera above and beside the pyramid.
void beginScene() {
    beginLitScene(SIZE, 60.0, 0.5, 50.0);
    gluLookAt(2.0, -3.0, 3.0, 0, 0, 0.3, 0, 0, 1);
}

std::vector<uint8_t> checker() {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool light = (x + y) % 2 == 0;
            rgb.insert(rgb.end(), {uint8_t(light ? 250 : 40), uint8_t(light ? 200 : 90), uint8_t(light ? 60 : 160)});
        }
    }
    return rgb;
}

}

TEST(ModelDrawing, DisplayListAndVertexArraysShowWhatImmediateModeShows) {
    openGlWindow(SIZE, SIZE);
    TempDir dir;
    writeFile(dir.path("checker.bmp"), encodeBmp24(8, 8, checker()));
    writeBytes(dir.path("pyramid.ms3d"), encodeMs3d(pyramidModel(dir.path("checker.bmp"))));
    Ms3dModel model;
    ASSERT_TRUE(model.load(dir.path("pyramid.ms3d")));

    beginScene();
    model.draw();
    const std::vector<uint8_t> immediate = readPixels(0, 0, SIZE, SIZE);
    int lit = 0;
    for (size_t i = 0; i < immediate.size(); i += 3) lit += immediate[i] + immediate[i + 1] + immediate[i + 2] > 30;
    EXPECT_GT(lit, SIZE * SIZE / 20) << "the pyramid should fill a good part of the view";

    const GLuint list = glGenLists(1);
    model.compileDisplayList(list);
    beginScene();
    glCallList(list);
    EXPECT_EQ(differingPixels(readPixels(0, 0, SIZE, SIZE), immediate, 0), 0);

    std::vector<float> array(6 * 24);
    ASSERT_EQ(model.fillVertexArray(array.data(), array.size()), array.size());
    beginScene();
    model.draw();   // leaves the material and texture bound, as the game's arrays expect
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glInterleavedArrays(GL_T2F_N3F_V3F, 0, array.data());
    glDrawArrays(GL_TRIANGLES, 0, 18);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisable(GL_TEXTURE_2D);
    EXPECT_LE(differingPixels(readPixels(0, 0, SIZE, SIZE), immediate, 2), SIZE * SIZE / 1000);
    glDeleteLists(list, 1);
}
