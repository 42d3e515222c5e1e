#pragma once

#include "TextureBank.h"

// The backdrop: a box textured on its six inner faces with one picture (bank
// slot 2), drawn around the player so its walls never come nearer.
class Sky {
public:
    explicit Sky(TextureBank* bank);
    virtual ~Sky() = default;

    // Centre and edge lengths in world units. Leaves lighting on, texturing off.
    void draw(float cx, float cy, float cz, float sx, float sy, float sz);

    static constexpr int SLOT = 2;
    static constexpr const char* TEXTURE = "../bin/data/sky/skyTexture.bmp";

private:
    TextureBank* bank;   // not owned
};
