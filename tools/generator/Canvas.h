#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct Colour {
    double r = 0.0, g = 0.0, b = 0.0;   // 0..1, may exceed 1 before clamping
};

inline Colour operator*(Colour c, double s) { return {c.r * s, c.g * s, c.b * s}; }
inline Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Colour mix(Colour a, Colour b, double t) { return a * (1.0 - t) + b * t; }

// A picture being painted, rows top to bottom, colours as doubles.
class Canvas {
public:
    Canvas(int width, int height, Colour fill = {});

    int width() const { return w; }
    int height() const { return h; }
    Colour& at(int x, int y) { return pixels[size_t(y) * w + x]; }
    const Colour& at(int x, int y) const { return pixels[size_t(y) * w + x]; }

    // Paints every pixel for which `shader` (pixel x, y) says so.
    void paint(const std::function<bool(int x, int y, Colour& c)>& shader);
    void blend(int x, int y, Colour c, double alpha);   // ignores pixels outside
    void add(int x, int y, Colour c);                   // ignores pixels outside
    void fillCircle(double cx, double cy, double radius, Colour c);
    void ring(double cx, double cy, double radius, double thickness, Colour c);
    void line(double x0, double y0, double x1, double y1, double thickness, Colour c);

    // Packed 8-bit R, G, B, bottom row first (the order of BMP and OpenGL).
    std::vector<uint8_t> rgbBottomUp() const;

private:
    int w, h;
    std::vector<Colour> pixels;
};
