#pragma once

#include "RgbImage.h"

// A texture whose sides are not powers of two is scaled to sides that are,
// exactly as GLU scales the first level of the mipmaps it builds (the only
// level these textures are ever sampled at): the same sides, the same box
// filter in single precision, byte for byte the same texels. Needing no GL
// context, it runs on the thread that decodes the pictures.
namespace TextureScale {

// GLU's side for `side` texels: the power of two nearest it, a side of three
// times a power of two rounding up (768 becomes 1024).
int powerOfTwoSide(int side);

// Whether the picture already has sides that are powers of two.
bool hasPowerOfTwoSides(const RgbImage& image);

// The picture at powerOfTwoSide of each side; a copy when they are already.
RgbImage toPowerOfTwoSides(const RgbImage& image);

}
