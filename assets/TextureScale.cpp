#include "TextureScale.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

bool powerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

// One output texel is the input's area under its box, each input texel
// weighted by how much of it the box covers. The sums run in the order GLU's
// run (the box's first row, its last row, its side columns, then its inside),
// in float, and the result is truncated: any other order or precision shifts
// some texels by one.
struct Box {
    int lowX, highX, lowY, highY;
    float lowXPart, highXPart, lowYPart, highYPart;
};

// GLU reads by offset into the packed picture: a box edge at the right
// border reads the next row's first texel (with no weight, or the rounding's
// least), and past the last row it reads nothing that is ours, taken as black.
struct Picture {
    const std::vector<uint8_t>& bytes;
    int rowBytes;
    const uint8_t* at(size_t offset) const {
        static const uint8_t black[3] = {0, 0, 0};
        return offset + 3 <= bytes.size() ? &bytes[offset] : black;
    }
    size_t offset(int x, int y) const { return size_t(y) * size_t(rowBytes) + size_t(x) * 3; }
};

void addBox(const Picture& in, const Box& b, float totals[3]) {
    auto add = [&](int x, int y, float weight) {
        const uint8_t* p = in.at(in.offset(x, y));
        for (int k = 0; k < 3; ++k) totals[k] += p[k] * weight;
    };
    if (b.highY > b.lowY && b.highX > b.lowX) {
        float yPart = 1 - b.lowYPart;
        add(b.lowX, b.lowY, yPart * (1 - b.lowXPart));
        for (int x = b.lowX + 1; x < b.highX; ++x) add(x, b.lowY, yPart);
        add(b.highX, b.lowY, yPart * b.highXPart);
        yPart = b.highYPart;
        add(b.lowX, b.highY, yPart * (1 - b.lowXPart));
        for (int x = b.lowX + 1; x < b.highX; ++x) add(x, b.highY, yPart);
        add(b.highX, b.highY, yPart * b.highXPart);
        // GLU steps its two side columns by one component more per row than
        // a row holds (the texels it reads drift right); its texels are these.
        size_t left = in.offset(b.lowX, b.lowY), right = in.offset(b.highX, b.lowY);
        for (int y = b.lowY + 1; y < b.highY; ++y) {
            left += size_t(in.rowBytes);
            right += size_t(in.rowBytes);
            for (int k = 0; k < 3; ++k, ++left, ++right)
                totals[k] += *in.at(left) * (1 - b.lowXPart) + *in.at(right) * b.highXPart;
        }
    } else if (b.highY > b.lowY) {
        const float xPart = b.highXPart - b.lowXPart;
        add(b.lowX, b.lowY, (1 - b.lowYPart) * xPart);
        for (int y = b.lowY + 1; y < b.highY; ++y) add(b.lowX, y, xPart);
        add(b.lowX, b.highY, xPart * b.highYPart);
    } else if (b.highX > b.lowX) {
        const float yPart = b.highYPart - b.lowYPart;
        add(b.lowX, b.lowY, (1 - b.lowXPart) * yPart);
        for (int x = b.lowX + 1; x < b.highX; ++x) add(x, b.lowY, yPart);
        add(b.highX, b.lowY, yPart * b.highXPart);
    } else {
        add(b.lowX, b.lowY, (b.highYPart - b.lowYPart) * (b.highXPart - b.lowXPart));
    }
    for (int y = b.lowY + 1; y < b.highY; ++y)
        for (int x = b.lowX + 1; x < b.highX; ++x) add(x, y, 1.0f);
}

// The box's next edge: one step further, its fraction carried over past one.
void advance(int& whole, float& part, int stepWhole, float stepPart) {
    whole += stepWhole;
    part += stepPart;
    if (part > 1) {
        part -= 1.0f;
        ++whole;
    }
}

}

int TextureScale::powerOfTwoSide(int side) {
    if (side <= 0) return 0;
    int power = 1;
    for (unsigned n = unsigned(side);; n >>= 1, power *= 2) {
        if (n == 1) return power;
        if (n == 3) return power * 4;
    }
}

bool TextureScale::hasPowerOfTwoSides(const RgbImage& image) {
    return powerOfTwo(image.width) && powerOfTwo(image.height);
}

RgbImage TextureScale::toPowerOfTwoSides(const RgbImage& image) {
    if (hasPowerOfTwoSides(image) || image.width <= 0 || image.height <= 0) return image;
    RgbImage out;
    out.width = powerOfTwoSide(image.width);
    out.height = powerOfTwoSide(image.height);
    out.pixels.resize(size_t(out.width) * size_t(out.height) * 3);
    const float scaleY = float(image.height) / float(out.height);
    const float scaleX = float(image.width) / float(out.width);
    const int stepY = int(std::floor(scaleY)), stepX = int(std::floor(scaleX));
    const float stepYPart = scaleY - float(stepY), stepXPart = scaleX - float(stepX);
    const float area = scaleX * scaleY;
    const Picture in = {image.pixels, image.width * 3};
    Box box = {};
    box.lowY = 0;
    box.lowYPart = 0;
    box.highY = stepY;
    box.highYPart = stepYPart;
    uint8_t* to = out.pixels.data();
    for (int i = 0; i < out.height; ++i) {
        // The last row's box would reach past the picture.
        if (box.highY >= image.height) box.highY = image.height - 1;
        box.lowX = 0;
        box.lowXPart = 0;
        box.highX = stepX;
        box.highXPart = stepXPart;
        for (int j = 0; j < out.width; ++j) {
            float totals[3] = {0, 0, 0};
            addBox(in, box, totals);
            for (int k = 0; k < 3; ++k) *to++ = static_cast<uint8_t>(totals[k] / area);
            box.lowX = box.highX;
            box.lowXPart = box.highXPart;
            advance(box.highX, box.highXPart, stepX, stepXPart);
        }
        box.lowY = box.highY;
        box.lowYPart = box.highYPart;
        advance(box.highY, box.highYPart, stepY, stepYPart);
    }
    return out;
}
