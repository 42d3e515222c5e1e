// Guards the numbers, star field, viewport, radar blips and cockpit pieces the frame is drawn from.
#include "assets/Font.h"
#include "shell/view/View.h"
#include "shell/hud/Radar.h"
#include "assets/StarField.h"
#include "entities/Random.h"
#include "support/GameFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

TEST(PrintNumber, FourSignificantDigitsInTheGamesOwnNotationAndNoGarbageForInfinity) {
    // The C library's %g writes two exponent digits and drops the point; the
    // display keeps the point and three exponent digits.
    struct Case {
        float value;
        const char* text;
    } cases[] = {
        {12.5f, "12.5"},     {5.0f, "5."},          {1234.5f, "1235"},      {0.5f, "0.5"},
        {0.05f, "5.e-002"},  {20000.0f, "2.e+004"}, {250.0f, "250."},       {0.0f, "0."},
        {-12.5f, "-12.5"},   {99.99f, "99.99"},     {100.5f, "100.5"},      {0.1f, "0.1"},
        {1e-5f, "1.e-005"},  {123456.0f, "1.235e+005"}, {1000.0f, "1000"},  {-100.0f, "-100."},
        {99999.0f, "1.e+005"}, {500.0f, "500."},
        // Printed "infe-2147483646" before non-finite values were handled.
        {INFINITY, "inf"}, {-INFINITY, "-inf"}, {NAN, "nan"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

namespace {

// A seed after which randomInRange(0, 5) does not draw 0, so only the speed
// decides how much of the ring is renewed.
void seedWithoutFullRenewal() {
    for (uint32_t seed = 1;; ++seed) {
        Random::seed(seed);
        if (Random::next() % 6 != 0) {
            Random::seed(seed);
            return;
        }
    }
}

int renewedInRing(const StarField& before, const StarField& after, int ring) {
    int changed = 0;
    for (int i = 0; i < StarField::RING; ++i) {
        const int k = ring * StarField::RING + i;
        changed += before.point(k) != after.point(k);
    }
    return changed;
}

}

TEST(StarField, RenewsAShareOfOneRingThatGrowsWithSpeed) {
    GameFixture game;
    MyShip* ship = game.addPlayer(Vector3(1000, -50, 20));
    StarField stars(ship);
    for (int i = 0; i < StarField::POINTS; ++i) {
        const Vector3 d = stars.point(i) - ship->getPosition();
        ASSERT_LE(std::max({std::fabs(d.x), std::fabs(d.y), std::fabs(d.z)}), 200.0f);
        ASSERT_EQ(d.x, std::round(d.x));
    }
    ship->setPosition(Vector3(5000, 5000, 5000));   // far away, so every renewed point moves
    struct Case {
        float speed;
        int renewed;
    } cases[] = {{0.0f, 0}, {-4.0f, 100}, {0.5f, 10}, {20.0f, 200}};
    for (const Case& c : cases) {
        ship->setSpeed(c.speed);
        const int ring = stars.currentRing();
        const StarField before = stars;
        seedWithoutFullRenewal();
        stars.renewRing();
        EXPECT_EQ(renewedInRing(before, stars, ring), c.renewed) << "speed " << c.speed;
        EXPECT_EQ(stars.currentRing(), (ring + 1) % StarField::RINGS);
    }
}

TEST(Viewport, TheLargestCentredFourByThreeAreaOfAnyWindow) {
    struct Case {
        int width, height;
        Viewport expected;
    } cases[] = {
        {1024, 768, {0, 0, 1024, 768}},    {1920, 1080, {240, 0, 1440, 1080}}, {800, 600, {0, 0, 800, 600}},
        {1600, 1000, {133, 0, 1333, 1000}}, {1000, 1000, {0, 125, 1000, 750}}, {1, 1, {0, 0, 1, 0}},
        {0, 768, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const Viewport v = View::fit(c.width, c.height), e = c.expected;
        EXPECT_EQ(std::tie(v.x, v.y, v.width, v.height), std::tie(e.x, e.y, e.width, e.height)) << c.width << "x" << c.height;
    }
}

// Seen from above the ship: ahead up, right right, whatever way the ship faces;
// the range is a sphere, so a rock far below does not show as near.
TEST(Radar, BlipsAreRelativeToTheShip) {
    for (const Vector3& facing : {Vector3(0, 0, -1), Vector3(1, 0, 0)}) {
        GameFixture game;
        MyShip* ship = game.addPlayer(Vector3(100, 0, 0), facing);
        const Vector3 right = cross(facing, Vector3(0, 1, 0));
        auto at = [&](const Vector3& offset) { return Vector3(100, 0, 0) + offset; };
        game.addRock(at(facing * 500.0f));                              // ahead
        game.addRock(at(right * 250.0f - facing * 250.0f));             // behind, right
        game.addRock(at(Vector3(0, 600, 0) + facing * 200.0f));         // high above, ahead
        game.addRock(at(facing * -1500.0f));                            // out of range
        game.addRock(at(Vector3(0, -1200, 0) + facing * 100.0f));       // near in the plane, far below: out
        game.addEnemy(at(right * -3000.0f));                            // far left: held at the rim
        Radar radar;
        const std::vector<Radar::Blip>& blips = radar.update(*game.world, *ship);
        ASSERT_EQ(blips.size(), 4u);
        const float expected[4][4] = {{0, 0.5f, 0, 0}, {0.25f, -0.25f, 0, 0}, {0, 0.2f, 0.6f, 0}, {-1, 0, 0, 1}};
        for (size_t i = 0; i < 4; ++i) {
            const Radar::Blip& b = blips[i];
            EXPECT_EQ(std::make_tuple(std::round(b.x * 1e3f), std::round(b.y * 1e3f), std::round(b.height * 1e3f), b.enemy),
                      std::make_tuple(expected[i][0] * 1e3f, expected[i][1] * 1e3f, expected[i][2] * 1e3f, expected[i][3] == 1))
                << i;
        }
    }
}

TEST(CockpitPieces, RectanglesCoverEverySetPixelAndShortMasksAreNotRead) {
    const int w = 40, h = 32;
    std::vector<uint8_t> mask(size_t(w) * h, 0);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < w; ++x) mask[size_t(y) * w + x] = 1;   // the dashboard: whole rows
    }
    for (int y = 16; y < h; ++y) {
        for (int x = 0; x < 5; ++x) mask[size_t(y) * w + x] = 1;    // a frame post
        for (int x = 30; x < w; ++x) mask[size_t(y) * w + x] = 1;
    }
    mask[size_t(20) * w + 20] = 1;   // one stray pixel in the window
    const std::vector<PictureRect> rects = CockpitMask::coveringRects(mask, w, h, 16);
    ASSERT_EQ(rects.size(), 4u);
    const PictureRect expected[] = {{0, 0, 40, 16}, {0, 16, 5, 32}, {20, 16, 21, 32}, {30, 16, 40, 32}};
    auto corners = [](const PictureRect& r) { return std::make_tuple(r.x0, r.y0, r.x1, r.y1); };
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(corners(rects[i]), corners(expected[i])) << i;
    // A mask shorter than its size says is not read at all.
    EXPECT_TRUE(CockpitMask::coveringRects(std::vector<uint8_t>(10, 1), w, h, 16).empty());

    // The window's bounds: the clear columns between the posts, above the dashboard.
    EXPECT_EQ(corners(CockpitMask::clearBounds(mask, w, h)), std::make_tuple(5, 16, 30, 32));
    EXPECT_EQ(CockpitMask::clearBounds(std::vector<uint8_t>(size_t(w) * h, 1), w, h).x1, 0) << "no window at all";
    EXPECT_EQ(CockpitMask::clearBounds(std::vector<uint8_t>(10, 0), w, h).x1, 0);
}
