#include "Pictures.h"

#include "assets/CockpitDials.h"

#include "GlyphRenderer.h"
#include "Noise.h"
#include "Rng.h"

#include <algorithm>
#include <cmath>

namespace Pictures {

namespace {

constexpr double PI = 3.14159265358979323846;

// Canopy geometry, in cockpit pixels (y down).
constexpr double TOP_FRAME = 38.0;
constexpr double STRUT_WIDTH = 26.0;
constexpr double STRUT_TOP_X = 196.0, STRUT_BOTTOM_Y = 330.0;

double dashboardTop(double x) {
    const double d = std::abs(x - 512.0);
    if (d < 150.0) return 566.0;                                   // instrument hump
    if (d < 190.0) return 566.0 + (d - 150.0);                     // its shoulder
    if (d < 300.0) return 606.0;
    const double s = (d - 300.0) / 212.0;
    return 606.0 - 60.0 * s * s;                                   // side consoles
}

double distanceToSegment(double px, double py, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double t = std::clamp(((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - x0 - t * dx, py - y0 - t * dy);
}

bool onStrut(double x, double y) {
    const double mx = x < 512 ? x : 1023 - x;   // the struts mirror each other
    return distanceToSegment(mx, y, STRUT_TOP_X, TOP_FRAME, 8.0, STRUT_BOTTOM_Y) < STRUT_WIDTH / 2;
}

Colour heat(double h) {
    return {std::clamp(h * 3.0, 0.0, 1.0), std::clamp(h * 3.0 - 1.0, 0.0, 1.0), std::clamp(h * 3.0 - 2.0, 0.0, 1.0)};
}

void panel(Canvas& c, int x0, int y0, int x1, int y1, Colour fill, Colour rim) {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const bool edge = x == x0 || y == y0 || x == x1 - 1 || y == y1 - 1;
            c.blend(x, y, edge ? rim : fill, 1.0);
        }
    }
}

// A needle below 0 is left off: the game draws its own over the face.
void gauge(Canvas& c, double cx, double cy, double r, double needle, Colour tint) {
    c.fillCircle(cx, cy, r + 3, {0.32, 0.34, 0.38});
    c.fillCircle(cx, cy, r, {0.02, 0.03, 0.04});
    for (int i = 0; i <= 10; ++i) {
        const double a = PI * (0.75 + 1.5 * i / 10.0);
        c.line(cx + std::cos(a) * r * 0.78, cy + std::sin(a) * r * 0.78, cx + std::cos(a) * r * 0.93,
               cy + std::sin(a) * r * 0.93, i % 5 == 0 ? 2.0 : 1.0, tint);
    }
    if (needle >= 0.0) {
        const double a = PI * (CockpitDials::START + CockpitDials::SWEEP * needle);
        c.line(cx, cy, cx + std::cos(a) * r * CockpitDials::NEEDLE, cy + std::sin(a) * r * CockpitDials::NEEDLE, 2.0,
               {1.0, 0.45, 0.2});
    }
    c.fillCircle(cx, cy, 3, {0.6, 0.6, 0.65});
}

void light(Canvas& c, double cx, double cy, Colour colour) {
    for (int y = int(cy) - 9; y <= int(cy) + 9; ++y) {
        for (int x = int(cx) - 9; x <= int(cx) + 9; ++x) {
            const double d = std::hypot(x - cx, y - cy);
            c.blend(x, y, colour, std::exp(-d * d / 18.0) * 0.6);
        }
    }
    c.fillCircle(cx, cy, 3.2, colour + Colour{0.3, 0.3, 0.3});
}

void radar(Canvas& c, double cx, double cy, double r) {
    c.fillCircle(cx, cy, r + 4, {0.25, 0.27, 0.3});
    c.fillCircle(cx, cy, r, {0.01, 0.06, 0.03});
    const Colour green{0.15, 0.75, 0.3};
    for (double k : {0.33, 0.66, 0.97}) c.ring(cx, cy, r * k, 1.0, green * 0.6);
    c.line(cx - r, cy, cx + r, cy, 1.0, green * 0.4);
    c.line(cx, cy - r, cx, cy + r, 1.0, green * 0.4);
    for (int i = 0; i < 40; ++i) {   // the sweep's fading trail
        const double a = -PI / 3 + i * 0.02;
        c.line(cx, cy, cx + std::cos(a) * r, cy + std::sin(a) * r, 1.5, green * (0.02 * i));
    }
}

void rivets(Canvas& c, double x0, double y0, double x1, double y1, int count) {
    for (int i = 0; i <= count; ++i) {
        const double t = double(i) / count;
        c.fillCircle(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, 2.2, {0.62, 0.64, 0.7});
        c.fillCircle(x0 + (x1 - x0) * t + 0.7, y0 + (y1 - y0) * t + 0.7, 1.0, {0.15, 0.15, 0.18});
    }
}

}

bool isWindow(int x, int y) {
    const double px = x + 0.5, py = y + 0.5;
    if (py < TOP_FRAME || px < 10 || px > 1014) return false;
    if (py >= dashboardTop(px)) return false;
    return !onStrut(px, py);
}

Canvas cockpit() {
    return cockpitPainted(true);
}

Canvas dialFaces() {
    using namespace CockpitDials;
    const Canvas bare = cockpitPainted(false);
    Canvas faces(2 * FACE_SIZE, FACE_SIZE);
    const int centres[2][2] = {{SPEED_X, SPEED_Y}, {POWER_X, POWER_Y}};
    for (int i = 0; i < 2; ++i) {
        const int x0 = centres[i][0] - FACE_SIZE / 2, y0 = centres[i][1] - FACE_SIZE / 2;
        for (int y = 0; y < FACE_SIZE; ++y) {
            for (int x = 0; x < FACE_SIZE; ++x) faces.at(i * FACE_SIZE + x, y) = bare.at(x0 + x, y0 + y);
        }
    }
    return faces;
}

Canvas cockpitPainted(bool needles) {
    Canvas c(COCKPIT_WIDTH, COCKPIT_HEIGHT);
    const Noise grain(11, 64);
    // Brushed, slightly worn metal for the frame; darker panels for the dashboard.
    c.paint([&](int x, int y, Colour& out) {
        const double n = grain.fractal(x / 23.0, y / 7.0, 4);
        const double shade = 0.75 + 0.25 * std::cos((y / 768.0) * PI * 0.8);
        const bool dash = y >= dashboardTop(x + 0.5);
        const Colour metal = dash ? Colour{0.13, 0.14, 0.17} : Colour{0.28, 0.3, 0.35};
        out = metal * (shade * (0.8 + 0.4 * n));
        return true;
    });
    // Highlights where the frame meets the canopy glass.
    for (int x = 10; x < 1014; ++x) c.blend(x, int(TOP_FRAME) - 2, {0.55, 0.58, 0.65}, 0.8);
    for (int side = 0; side < 2; ++side) {
        auto mirror = [side](double x) { return side ? 1023.0 - x : x; };
        c.line(mirror(STRUT_TOP_X - 12), TOP_FRAME, mirror(8.0 - 12), STRUT_BOTTOM_Y, 2.0, {0.5, 0.53, 0.6});
        c.line(mirror(STRUT_TOP_X + 12), TOP_FRAME, mirror(8.0 + 12), STRUT_BOTTOM_Y, 2.0, {0.1, 0.1, 0.12});
        rivets(c, mirror(STRUT_TOP_X - 2), TOP_FRAME + 14, mirror(10.0), STRUT_BOTTOM_Y - 16, 9);
    }
    rivets(c, 30, 18, 994, 18, 40);
    for (int x = 0; x < 1024; ++x) {
        const int top = int(dashboardTop(x + 0.5));
        c.blend(x, top, {0.5, 0.52, 0.58}, 1.0);
        c.blend(x, top + 1, {0.35, 0.37, 0.42}, 1.0);
    }
    // Instruments.
    panel(c, 370, 584, 654, 760, {0.06, 0.07, 0.09}, {0.4, 0.42, 0.48});
    radar(c, 512, 668, 70);   // the game draws live blips over it: keep in step with shell/hud/Radar.h
    gauge(c, CockpitDials::SPEED_X, CockpitDials::SPEED_Y, CockpitDials::RADIUS, needles ? 0.35 : -1.0,
          {0.8, 0.85, 0.9});
    gauge(c, CockpitDials::POWER_X, CockpitDials::POWER_Y, CockpitDials::RADIUS, needles ? 0.7 : -1.0,
          {0.8, 0.85, 0.9});
    panel(c, 60, 640, 230, 740, {0.05, 0.06, 0.08}, {0.38, 0.4, 0.46});
    panel(c, 794, 640, 964, 740, {0.05, 0.06, 0.08}, {0.38, 0.4, 0.46});
    for (int i = 0; i < 6; ++i) {   // rows of switches and their lamps
        panel(c, 74 + i * 26, 700, 90 + i * 26, 726, {0.3, 0.31, 0.35}, {0.55, 0.56, 0.6});
        panel(c, 808 + i * 26, 700, 824 + i * 26, 726, {0.3, 0.31, 0.35}, {0.55, 0.56, 0.6});
    }
    const Colour lamps[] = {{0.9, 0.15, 0.1}, {0.1, 0.9, 0.3}, {1.0, 0.7, 0.1}, {0.2, 0.5, 1.0}};
    for (int i = 0; i < 6; ++i) {
        light(c, 82 + i * 26, 668, lamps[i % 4]);
        light(c, 816 + i * 26, 668, lamps[(i + 2) % 4]);
    }
    for (int i = 0; i < 12; ++i) light(c, 386 + i * 23, 752, lamps[(i * 7) % 4] * 0.8);
    // Space shows through the window; the cockpit itself is never pure black,
    // so the picture and its mask agree pixel for pixel.
    c.paint([](int x, int y, Colour& out) {
        if (isWindow(x, y)) {
            out = {};
        } else {
            out = {std::max(out.r, 0.04), std::max(out.g, 0.04), std::max(out.b, 0.05)};
        }
        return true;
    });
    return c;
}

std::vector<uint8_t> cockpitMask() {
    std::vector<uint8_t> bits(size_t(COCKPIT_WIDTH) * COCKPIT_HEIGHT);
    for (int row = 0; row < COCKPIT_HEIGHT; ++row) {
        const int y = COCKPIT_HEIGHT - 1 - row;
        for (int x = 0; x < COCKPIT_WIDTH; ++x) bits[size_t(row) * COCKPIT_WIDTH + x] = isWindow(x, y) ? 0 : 1;
    }
    return bits;
}

Canvas crosshair() {
    Canvas c(128, 128);
    const Colour green{0.35, 1.0, 0.45};
    c.ring(64, 64, 34, 2.5, green * 0.9);
    c.ring(64, 64, 46, 1.0, green * 0.35);
    for (int i = 0; i < 4; ++i) {
        const double a = i * PI / 2;
        c.line(64 + std::cos(a) * 18, 64 + std::sin(a) * 18, 64 + std::cos(a) * 52, 64 + std::sin(a) * 52, 2.0, green);
    }
    for (int i = 0; i < 4; ++i) {   // small chevrons between the arms
        const double a = PI / 4 + i * PI / 2;
        c.fillCircle(64 + std::cos(a) * 40, 64 + std::sin(a) * 40, 2.0, green * 0.7);
    }
    c.fillCircle(64, 64, 2.5, {1.0, 0.5, 0.3});
    return c;
}

Canvas gameOver(const std::string& boldFontFile) {
    Canvas c(1024, 128);
    const GlyphRenderer font(boldFontFile, 104);
    const std::string text = "GAME OVER";
    const int width = font.textWidth(text);
    std::vector<double> coverage(1024 * 128, 0.0);
    font.draw(text, (1024 - width) / 2, 102, [&](int x, int y, double a) {
        if (x >= 0 && y >= 0 && x < 1024 && y < 128) coverage[y * 1024 + x] = a;
    });
    // A red glow around hot, white-to-orange letters.
    std::vector<double> glow(coverage.size(), 0.0);
    const int R = 9;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 1024; ++x) {
            double sum = 0.0;
            for (int k = -R; k <= R; ++k) {
                if (x + k >= 0 && x + k < 1024) sum += coverage[y * 1024 + x + k];
            }
            glow[y * 1024 + x] = sum / (2 * R + 1);
        }
    }
    for (int x = 0; x < 1024; ++x) {
        std::vector<double> column(128);
        for (int y = 0; y < 128; ++y) {
            double sum = 0.0;
            for (int k = -R; k <= R; ++k) {
                if (y + k >= 0 && y + k < 128) sum += glow[(y + k) * 1024 + x];
            }
            column[y] = sum / (2 * R + 1);
        }
        for (int y = 0; y < 128; ++y) glow[y * 1024 + x] = column[y];
    }
    c.paint([&](int x, int y, Colour& out) {
        const double a = coverage[y * 1024 + x];
        const double v = 1.0 - y / 128.0;
        out = Colour{0.8, 0.12, 0.05} * (glow[y * 1024 + x] * 1.6) + mix({1.0, 0.35, 0.05}, {1.0, 0.95, 0.6}, v) * a;
        return true;
    });
    return c;
}

Canvas rockSurface(int variant) {
    struct Look {
        Colour dark, light;
        double grain;
    } looks[] = {
        {{0.22, 0.19, 0.16}, {0.62, 0.55, 0.47}, 0.55},   // sandy brown
        {{0.16, 0.16, 0.17}, {0.55, 0.55, 0.57}, 0.6},    // grey basalt
        {{0.25, 0.13, 0.09}, {0.66, 0.42, 0.3}, 0.5},     // rusty, iron-rich
    };
    const Look look = looks[variant % 3];
    const Noise broad(100 + variant, 8), fine(200 + variant, 32);
    Canvas c(256, 256);
    c.paint([&](int x, int y, Colour& out) {
        const double u = x / 256.0, v = y / 256.0;
        const double n = broad.fractal(u * 8, v * 8, 5, look.grain);
        const double ridge = 1.0 - std::abs(fine.fractal(u * 32, v * 32, 3) * 2.0 - 1.0);
        out = mix(look.dark, look.light, std::clamp(n * 1.3 - 0.15 + 0.2 * ridge * ridge, 0.0, 1.0));
        return true;
    });
    // Craters, painted with wrap-around so the surface still tiles.
    Rng rng(300 + variant);
    for (int i = 0; i < 14; ++i) {
        const double cx = rng.range(0, 256), cy = rng.range(0, 256), r = rng.range(5, 20);
        for (int dy = -int(r) - 3; dy <= int(r) + 3; ++dy) {
            for (int dx = -int(r) - 3; dx <= int(r) + 3; ++dx) {
                const double d = std::hypot(dx, dy) / r;
                const int x = ((int(cx) + dx) % 256 + 256) % 256, y = ((int(cy) + dy) % 256 + 256) % 256;
                Colour& p = c.at(x, y);
                if (d < 0.85) p = p * (0.65 + 0.3 * d);
                else if (d < 1.15) p = p * (1.0 + 0.35 * (1.0 - std::abs(d - 1.0) / 0.15));
            }
        }
    }
    return c;
}

Canvas explosionFrame(int frame) {
    const double t = frame / 51.0;
    const Noise turbulence(400, 256);
    Canvas c(128, 128);
    const double radius = 14.0 + 46.0 * std::sqrt(t);
    const double intensity = 1.3 * std::pow(1.0 - t, 1.6);   // hot enough to stay orange for a while
    c.paint([&](int x, int y, Colour& out) {
        const double dx = x - 63.5, dy = y - 63.5;
        const double d = std::hypot(dx, dy) / radius;
        const double swirl = turbulence.solidFractal(dx / 14.0, dy / 14.0, t * 3.0, 4);
        const double body = std::clamp(1.0 - d + 0.35 * swirl, 0.0, 1.0);
        double h = body * intensity * (1.15 + 0.3 * swirl);
        if (t < 0.1) h += (0.1 - t) * 12.0 * std::exp(-d * d * 2.0);   // the first flash
        out = heat(h);
        return true;
    });
    // Embers flying outwards in the later frames.
    Rng rng(500);
    for (int i = 0; i < 60; ++i) {
        const double a = rng.range(0, 2 * PI), speed = rng.range(0.5, 1.2), life = rng.range(0.5, 1.0);
        if (t < 0.25 || t > life) continue;
        const double r = radius * speed * (0.6 + t);
        const double glow = 0.9 * (1.0 - t / life);
        c.fillCircle(63.5 + std::cos(a) * r, 63.5 + std::sin(a) * r, 1.3, heat(glow * 0.8));
    }
    return c;
}

Canvas sky() {
    Canvas c(512, 512);
    const Noise nebula(600, 4);
    c.paint([&](int x, int y, Colour& out) {
        const double u = x / 512.0, v = y / 512.0;
        const double n = nebula.fractal(u * 4, v * 4, 6);
        // The same picture lines all six faces of the sky box; fading the
        // nebula out towards the borders hides the seams where faces meet.
        const double border = std::sqrt(std::sin(PI * u) * std::sin(PI * v));
        const double cloud = std::pow(std::clamp(n * 1.6 - 0.55, 0.0, 1.0), 2.0) * border;
        out = mix({0.09, 0.03, 0.16}, {0.12, 0.16, 0.32}, nebula.fractal(u * 4 + 7, v * 4 + 3, 3)) * cloud * 2.2;
        return true;
    });
    Rng rng(700);
    for (int i = 0; i < 2200; ++i) {
        const double x = rng.range(0, 512), y = rng.range(0, 512);
        const double b = std::pow(rng.uniform(), 4.0);   // most stars faint, a few bright
        const double tint = rng.uniform();
        const Colour colour = tint < 0.2 ? Colour{1.0, 0.8, 0.6} : tint < 0.4 ? Colour{0.7, 0.8, 1.0} : Colour{1, 1, 1};
        c.add(int(x), int(y), colour * (0.3 + 0.7 * b));
        if (b > 0.5) {
            for (int k = 0; k < 4; ++k) c.add(int(x) + (k < 2 ? 2 * k - 1 : 0), int(y) + (k >= 2 ? 2 * k - 5 : 0), colour * (0.3 * b));
        }
    }
    return c;
}

Canvas hull() {
    const Noise grime(800, 16);
    Canvas c(256, 256);
    c.paint([&](int x, int y, Colour& out) {
        const double n = grime.fractal(x / 16.0, y / 16.0, 4);
        Colour base{0.72, 0.74, 0.78};
        if (std::abs(x - 128) < 5) base = {0.75, 0.12, 0.1};                           // spine stripe
        if ((x < 40 || x > 216) && y > 90 && y < 104) base = {0.75, 0.12, 0.1};        // wing bands
        if (y > 24 && y < 36 && std::abs(x - 128) < 30) base = {0.1, 0.12, 0.16};      // canopy frame
        out = base * (0.9 + 0.2 * n);
        return true;
    });
    return c;
}

Canvas hullDetail() {
    const Noise wear(900, 32);
    Canvas c(256, 256);
    c.paint([&](int x, int y, Colour& out) {
        const double n = wear.fractal(x / 8.0, y / 8.0, 4);
        double v = 0.95 - 0.2 * std::pow(n, 3.0);
        const int row = y / 32;
        const int shifted = (x + (row % 2) * 20) % 48;
        if (y % 32 == 0 || shifted == 0) v *= 0.55;                                   // panel seams
        if ((y % 32 == 4 || y % 32 == 28) && shifted % 8 == 4) v *= 0.6;              // rivets
        out = {v, v, v * 1.02};
        return true;
    });
    return c;
}

}
