// Guards the numbers, star field, viewport, radar blips and cockpit pieces the frame is drawn from.
#include "assets/Font.h"
#include "shell/view/View.h"
#include "shell/hud/Radar.h"
#include "shell/guides/CockpitView.h"
#include "shell/guides/FieldGuide.h"
#include "shell/guides/HitFlash.h"
#include "shell/guides/TargetBox.h"
#include "shell/hud/Dials.h"
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
        game.addEnemy(at(right * -3000.0f));                            // far left: held at the rim, inside the disc
        Radar radar;
        const std::vector<Radar::Blip>& blips = radar.update(*game.world, *ship);
        ASSERT_EQ(blips.size(), 4u);
        const float rim = 1.0f - (Radar::ENEMY_HALF + 1.0f) / Radar::RADIUS;
        const float expected[4][4] = {{0, 0.5f, 0, 0}, {0.25f, -0.25f, 0, 0}, {0, 0.2f, 0.6f, 0}, {-rim, 0, 0, 1}};
        for (size_t i = 0; i < 4; ++i) {
            const Radar::Blip& b = blips[i];
            EXPECT_EQ(std::make_tuple(std::round(b.x * 1e3f), std::round(b.y * 1e3f), std::round(b.height * 1e3f), b.enemy),
                      std::make_tuple(std::round(expected[i][0] * 1e3f), expected[i][1] * 1e3f, expected[i][2] * 1e3f, expected[i][3] == 1))
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

// The overlays' geometry from the ship's frame alone. The arrows must point the
// shortest way round (straight behind: always right); the box must show at any
// distance and only in view; the flash comes from the shooter's side.
TEST(CockpitView, ArrowsPointTheShortestWayAndTheBoxShowsOnlyInView) {
    const float PI = 3.14159265f;
    // The mask's window rectangle of the generated cockpit, in mask pixels from the lower left.
    const CockpitView::Rect window = CockpitView::windowOf(10, 162, 1014, 730, 1024, 768);
    EXPECT_EQ(std::make_tuple(window.x0, window.y0, window.x1, window.y1), std::make_tuple(10.0f, 38.0f, 1014.0f, 606.0f));
    struct Row {
        const char* what;
        Vector3 eye, ahead, target;
        bool inView;
        float angle;   // of the arrow, picture axes (y down)
        HitFlash::Side side;
    } rows[] = {
        {"left", {0, 0, 0}, {0, 0, -1}, {-300, 0, -50}, false, PI, HitFlash::LEFT},
        {"right", {0, 0, 0}, {0, 0, -1}, {300, 0, -50}, false, 0, HitFlash::RIGHT},
        {"above", {0, 0, 0}, {0, 0, -1}, {0, 300, -50}, false, -PI / 2, HitFlash::TOP},
        {"below", {0, 0, 0}, {0, 0, -1}, {0, -300, -250}, false, PI / 2, HitFlash::BOTTOM},
        {"behind, a little left", {0, 0, 0}, {0, 0, -1}, {-5, 0, 400}, false, PI, HitFlash::LEFT},
        {"straight behind", {0, 0, 0}, {0, 0, -1}, {0, 0, 400}, false, 0, HitFlash::RIGHT},
        {"facing +x, target to its left (-z)", {0, 0, 0}, {1, 0, 0}, {0, 0, -300}, false, PI, HitFlash::LEFT},
        {"ahead, near", {0, 0, 0}, {0, 0, -1}, {20, 10, -200}, true, 0, HitFlash::RIGHT},
        {"ahead, very far", {0, 0, 0}, {0, 0, -1}, {0, 0, -1e6f}, true, 0, HitFlash::RIGHT},
        // The field's way back: from beyond its right side, the centre is to the left.
        {"field centre from outside", {3000, 0, 0}, {0, 0, -1}, {0, 0, 0}, false, PI, HitFlash::LEFT},
    };
    for (const Row& r : rows) {
        const CockpitView view(r.eye, r.ahead, Vector3(0, 1, 0), window);
        const TargetBox::Placed box = TargetBox::place(view, r.eye, r.target, 12.0f);
        EXPECT_EQ(box.shown, r.inView) << r.what;
        EXPECT_EQ(HitFlash::sideOf(view, r.target), r.side) << r.what;
        if (r.inView) {
            EXPECT_GE(box.x1 - box.x0, 2 * TargetBox::SMALLEST_HALF) << r.what;
            EXPECT_NEAR(box.distance, (r.target - r.eye).length(), 1.0f) << r.what;
            continue;
        }
        const CockpitView::Edge edge = view.edgeToward(r.target);
        const float tied = std::string(r.what) == "straight behind" ? PI : edge.angle;   // the field's arrow goes left
        EXPECT_NEAR(std::remainder(view.edgeToward(r.target, PI).angle - tied, 2 * PI), 0.0f, 1e-4f) << r.what;
        EXPECT_NEAR(std::remainder(edge.angle - r.angle, 2 * PI), 0.0f, 0.05f) << r.what;
        EXPECT_TRUE(edge.x > window.x0 && edge.x < window.x1 && edge.y > window.y0 && edge.y < window.y1) << r.what;
    }
    // The same 80-degree projection as the camera: 40 degrees off the axis is the picture's top edge.
    const CockpitView view({0, 0, 0}, {0, 0, -1}, {0, 1, 0}, window);
    EXPECT_NEAR(view.see(Vector3(0, std::tan(40.0f * PI / 180.0f) * 100.0f, -100)).y, 0.0f, 0.01f);
    const Vector3 low(-800, -480, -500), high(800, 480, 500);
    EXPECT_FALSE(FieldGuide::outside(Vector3(800 + FieldGuide::MARGIN - 1, 0, 0), low, high));
    EXPECT_TRUE(FieldGuide::outside(Vector3(0, 0, -500 - FieldGuide::MARGIN - 1), low, high));
}

// The needles sweep the painted scales: speed -100 at the lower left through
// 0 at the top to 100 at the lower right, power 0 to 500, held at the ends.
TEST(Dials, NeedlesForSpeedsAndPowersHeldAtTheEnds) {
    const float PI = 3.14159265f;
    struct Row {
        float speed, power, speedAngle, powerAngle;   // angles in half turns, y down
    } rows[] = {
        {-100, 0, 0.75f, 0.75f}, {0, 250, 1.5f, 1.5f}, {100, 500, 2.25f, 2.25f}, {50, 125, 1.875f, 1.125f},
        {-250, -10, 0.75f, 0.75f}, {1e6f, 580, 2.25f, 2.25f}, {NAN, NAN, 0.75f, 0.75f},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(Dials::needleAngle(Dials::speedFraction(r.speed)), r.speedAngle * PI, 1e-4f) << r.speed;
        EXPECT_NEAR(Dials::needleAngle(Dials::powerFraction(r.power)), r.powerAngle * PI, 1e-4f) << r.power;
    }
    // Straight above or below, the enemy's blip gets a stalk up or down; level, none.
    Radar::Blip above, below, level;
    above.height = 0.5f;
    below.height = -0.5f;
    EXPECT_LT(Radar::stalk(above), 0.0f);
    EXPECT_GT(Radar::stalk(below), 0.0f);
    EXPECT_EQ(Radar::stalk(level), 0.0f);
}
