// Guards the textures: pixels kept, missing files silent, broken ones named, pictures decoded ahead alike.
#include "assets/TextureBank.h"
#include "assets/TextureScale.h"
#include "support/GlWindow.h"
#include "support/TestFiles.h"
#include "tools/BmpWriter.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <utility>

namespace {

std::vector<uint8_t> gradient(int w, int h) {
    std::vector<uint8_t> rgb;
    for (int i = 0; i < w * h; ++i) rgb.insert(rgb.end(), {uint8_t(i), uint8_t(i * 3), uint8_t(255 - i)});
    return rgb;
}

std::pair<GLint, GLint> textureSize(GLuint texture) {
    GLint w = 0, h = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    return {w, h};
}

std::vector<uint8_t> textureRgb(GLuint texture) {
    const auto [w, h] = textureSize(texture);
    std::vector<uint8_t> out(size_t(w) * h * 3);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, out.data());
    return out;
}

// The first level of the mipmaps GLU builds from the picture: the texels a
// picture whose sides are not powers of two must have.
std::vector<uint8_t> gluFirstLevel(int w, int h, const std::vector<uint8_t>& rgb) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::vector<uint8_t> texels = textureRgb(name);
    glDeleteTextures(1, &name);
    return texels;
}

// Neighbours unlike each other, so a box's weights show in every texel.
std::vector<uint8_t> noise(int w, int h) {
    std::vector<uint8_t> rgb(size_t(w) * h * 3);
    uint32_t x = 12345;
    for (uint8_t& byte : rgb) byte = uint8_t((x = x * 1103515245u + 12345u) >> 23);
    return rgb;
}

}

// Free textures keep their size and pixels (a grey TGA as luminance). Slot
// textures are decoded ahead on another thread; what they become must be what
// a direct read makes, and a side that is not a power of two is still scaled
// to one, as the cockpit's always was.
TEST(TextureBank, TexturesKeepTheirPixelsAndPicturesDecodedAheadMakeWhatADirectReadMakes) {
    openGlWindow();
    TempDir dir;
    writeFile(dir.path("square.bmp"), encodeBmp24(64, 32, gradient(64, 32)));
    writeFile(dir.path("odd.bmp"), encodeBmp24(100, 60, gradient(100, 60)));
    writeBytes(dir.path("grey.tga"), {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 8, 0, 10, 80, 160, 240});
    TextureBank direct;
    const GLuint odd = direct.createBmpTexture(dir.path("odd.bmp"));
    EXPECT_EQ(textureSize(odd), std::make_pair(100, 60));
    EXPECT_EQ(textureRgb(odd), gradient(100, 60));
    EXPECT_EQ(textureRgb(direct.createTgaTexture(dir.path("grey.tga"))),
              (std::vector<uint8_t>{10, 10, 10, 80, 80, 80, 160, 160, 160, 240, 240, 240}));

    // The first decoded at once, the others once one of them is asked for.
    ImageLoader loader({dir.path("square.bmp"), dir.path("odd.bmp"), dir.path("missing.bmp")}, 1);
    TextureBank ahead;
    ahead.decoded = &loader;
    for (TextureBank* bank : {&ahead, &direct}) {
        bank->loadTexture(dir.path("square.bmp"), 1);
        bank->loadTexture(dir.path("odd.bmp"), 2);
        bank->loadTexture(dir.path("missing.bmp"), 3);
    }
    EXPECT_EQ(textureRgb(ahead.slots[1]), gradient(64, 32));
    EXPECT_EQ(textureSize(ahead.slots[2]), std::make_pair(128, 64));
    EXPECT_EQ(textureRgb(ahead.slots[2]), textureRgb(direct.slots[2]));
    EXPECT_EQ(ahead.slots[3], 0u);
    EXPECT_FALSE(loader.holds(dir.path("square.bmp")));   // each picture is handed over once
    EXPECT_EQ(loader.take(dir.path("square.bmp")), nullptr);
}

TEST(TextureBank, MissingFilesAreSilentAndBrokenOnesReported) {
    openGlWindow();
    TempDir dir;
    writeBytes(dir.path("empty.bmp"), {});
    TextureBank bank;
    bank.slots[5] = 77;
    testing::internal::CaptureStderr();
    bank.loadTexture(dir.path("missing.bmp"), 5);
    EXPECT_EQ(bank.createBmpTexture(dir.path("missing.bmp")), 0u);
    EXPECT_EQ(bank.createTgaTexture(dir.path("missing.tga")), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(bank.slots[5], 77u);

    testing::internal::CaptureStderr();
    bank.loadTexture(dir.path("empty.bmp"), 5);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Failed to open DIB file " + dir.path("empty.bmp") + ".\n");
    EXPECT_EQ(bank.slots[5], 77u);
}

// Scaled by our own code, off the drawing thread: byte for byte GLU's texels,
// whether the picture grows (the cockpit's 1024 x 768), shrinks, or both, in
// boxes of every shape, the last row and column included.
TEST(TextureBank, PicturesScaledToPowersOfTwoHaveTheTexelsGluGivesThem) {
    openGlWindow();
    const std::pair<int, int> sizes[] = {{1024, 768}, {300, 180}, {5000, 3}, {7, 3}, {1, 700}, {96, 200}};
    for (const auto& [w, h] : sizes) {
        RgbImage picture;
        picture.width = w;
        picture.height = h;
        picture.pixels = noise(w, h);
        const RgbImage scaled = TextureScale::toPowerOfTwoSides(picture);
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexImage2D(GL_TEXTURE_2D, 0, 3, scaled.width, scaled.height, 0, GL_RGB, GL_UNSIGNED_BYTE, scaled.pixels.data());
        EXPECT_EQ(textureRgb(name), gluFirstLevel(w, h, picture.pixels)) << w << " x " << h;
        glDeleteTextures(1, &name);
    }
}
