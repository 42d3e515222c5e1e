#pragma once

#include "ImageLoader.h"
#include "RgbImage.h"

#include <GL/gl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

// OpenGL textures made from image files, either into numbered slots (the
// start-up textures: 2 sky, 6 cockpit, 7 the dials' faces, 8 crosshair, 9 game over, 10-12 rock
// surfaces, 13-64 explosion frames) or as free names for model materials.
// A bank's textures live as long as the bank: a model's go with the model, so
// a new game does not pile up the old game's rock surfaces.
class TextureBank {
public:
    // Where a slot's texture is not black, in texture coordinates, widened
    // by the reach of the linear filter and a texel more: a fragment whose
    // coordinates lie outside samples black only. The whole texture where
    // that is not known.
    struct LitArea {
        float s0 = 0.0f, t0 = 0.0f, s1 = 1.0f, t1 = 1.0f;
    };

    TextureBank() = default;
    virtual ~TextureBank();
    TextureBank(const TextureBank&) = delete;
    TextureBank& operator=(const TextureBank&) = delete;

    // Linear, clamped texture into slots[slot]; a missing or undecodable
    // file leaves the slot as it was. Taken from `decoded` when it holds the
    // file, read now otherwise.
    void loadTexture(const std::string& fileName, int slot);
    // Level 0 only, unscaled; 0 when the image cannot be read.
    GLuint createBmpTexture(const std::string& fileName);
    // Repeating texture from an uncompressed TGA; 0 when it cannot be read.
    GLuint createTgaTexture(const std::string& fileName);
    // No image, and no message, when the file does not exist.
    static std::unique_ptr<RgbImage> readBmp(const std::string& fileName);

    std::array<GLuint, 100> slots = {};   // 0 until loaded
    std::array<LitArea, 100> litAreas = {};   // one a slot
    ImageLoader* decoded = nullptr;       // pictures decoded ahead, if any

private:
    std::vector<GLuint> freeNames;   // made for materials, deleted with the bank
};
