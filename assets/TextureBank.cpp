#include "TextureBank.h"

#include "BmpDecoder.h"
#include "TextureScale.h"
#include "TgaImage.h"
#include "platform/DataDirectory.h"

#include <GL/glu.h>

#include <algorithm>

#include <unistd.h>

std::unique_ptr<RgbImage> TextureBank::readBmp(const std::string& fileName) {
    if (fileName.empty()) return nullptr;
    // A missing texture is not worth a message. Only asked whether it is
    // there: opening it here could wait for ever on a FIFO; the reader refuses one.
    if (::access(DataDirectory::resolve(fileName).c_str(), F_OK) != 0) return nullptr;
    return loadDibImage(fileName);
}

TextureBank::~TextureBank() {
    // Names never made are 0, which the deletion skips; a bank that made none
    // calls nothing, so banks in tests without a drawing context are safe.
    for (GLuint name : slots) {
        if (name != 0) glDeleteTextures(1, &name);
    }
    if (!freeNames.empty()) glDeleteTextures(static_cast<GLsizei>(freeNames.size()), freeNames.data());
}

namespace {

// The rows bottom first, as uploaded: row 0 is t's texel 0.
TextureBank::LitArea litAreaOf(const RgbImage& image) {
    int x0 = image.width, y0 = image.height, x1 = -1, y1 = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = &image.pixels[(size_t(y) * size_t(image.width) + size_t(x)) * 3];
            if ((p[0] | p[1] | p[2]) == 0) continue;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    TextureBank::LitArea area;
    if (x1 < 0) {
        area.s1 = area.t1 = 0.0f;   // black throughout
        return area;
    }
    // A linear fetch at s reads texels floor(s w - 1/2) and the next one.
    const float w = float(image.width), h = float(image.height);
    area.s0 = std::max(0.0f, (float(x0) - 1.5f) / w);
    area.s1 = std::min(1.0f, (float(x1) + 2.5f) / w);
    area.t0 = std::max(0.0f, (float(y0) - 1.5f) / h);
    area.t1 = std::min(1.0f, (float(y1) + 2.5f) / h);
    return area;
}

}

void TextureBank::loadTexture(const std::string& fileName, int slot) {
    std::unique_ptr<RgbImage> image =
        decoded && decoded->holds(fileName) ? decoded->take(fileName) : readBmp(fileName);
    if (!image) return;
    // These textures are minified linearly, never from a mipmap, so level 0
    // is the only level ever sampled: a picture whose sides are not powers
    // of two is scaled to sides that are, with the texels GLU's mipmaps give
    // that level (done ahead where the picture was decoded ahead).
    if (!TextureScale::hasPowerOfTwoSides(*image))
        image = std::make_unique<RgbImage>(TextureScale::toPowerOfTwoSides(*image));
    glGenTextures(1, &slots[slot]);
    // Stays in force for every later upload; the packed model textures rely on it.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBindTexture(GL_TEXTURE_2D, slots[slot]);
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (image->width <= largest && image->height <= largest) {
        glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     image->pixels.data());
        litAreas[size_t(slot)] = litAreaOf(*image);
    } else {
        // Larger than the driver takes: GLU halves it until it fits.
        litAreas[size_t(slot)] = LitArea();   // its texels are GLU's, not known here
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image->width, image->height, GL_RGB, GL_UNSIGNED_BYTE,
                          image->pixels.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
}

GLuint TextureBank::createBmpTexture(const std::string& fileName) {
    const std::unique_ptr<RgbImage> image = readBmp(fileName);
    if (!image || image->pixels.empty()) return 0;
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name != 0) freeNames.push_back(name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return name;
}

GLuint TextureBank::createTgaTexture(const std::string& fileName) {
    TgaImage image;
    if (image.load(fileName) != TgaImage::LOADED) return 0;
    glGenTextures(1, &image.textureName);
    if (image.textureName != 0) freeNames.push_back(image.textureName);
    glBindTexture(GL_TEXTURE_2D, image.textureName);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, image.pixelFormat, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    return image.textureName;
}
