// Guards frame timing: the five-frame mean, the fps line, the pause clock, the pacer and the swap interval.
#include "platform/Clock.h"
#include "platform/SwapInterval.h"
#include "timing/FramePacer.h"
#include "timing/FrameStats.h"
#include "timing/FrameRate.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

TEST(FrameRate, MeanOfFiveFramesFillsUpFromZero) {
    FrameRate rate;
    const float start = 10.0f, d = 0.02f;
    rate.update(start);
    EXPECT_EQ(rate.frameTime(), 0.0f);   // the first frame has nothing to measure
    // Slots not yet written count as zero: d * written / 5 until all five hold d.
    const float expected[] = {0.004f, 0.008f, 0.012f, 0.016f, 0.020f, 0.020f};
    for (int i = 0; i < 6; ++i) {
        rate.update(start + d * (i + 1));
        EXPECT_NEAR(rate.frameTime(), expected[i], 1e-5f) << "frame " << i + 2;
    }
    // A slow frame weighs one fifth.
    rate.update(start + d * 6 + 0.1f);
    EXPECT_NEAR(rate.frameTime(), (4 * d + 0.1f) / 5, 1e-5f);
}

TEST(FrameRate, FpsLineIsRenewedOnlyAfterMoreThanASecond) {
    FrameRate rate;
    EXPECT_EQ(rate.update(5.0f), "fps: 1");   // last renewal at 0, so at once
    for (int i = 1; i <= 59; ++i) EXPECT_EQ(rate.update(5.0f + i / 60.0f), "fps: 1");
    EXPECT_EQ(rate.update(6.01f), "fps: 60");
    EXPECT_EQ(rate.update(6.5f), "fps: 60");

    FrameRate early;   // a clock that starts near zero shows nothing for the first second
    EXPECT_EQ(early.update(0.2f), "");
    EXPECT_EQ(early.update(1.5f), "fps: 2");
}

TEST(Clock, StandsStillWhileSuspendedAndGoesOnFromThere) {
    Clock::useRealTime();
    Clock::suspend();
    const uint32_t stood = Clock::milliseconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(Clock::milliseconds(), stood);
    Clock::resume();
    // The 200 ms of the pause do not count.
    EXPECT_LT(Clock::milliseconds() - stood, 200u);
}

TEST(FramePacer, HoldsPlayToSeventyFramesASecondWithoutBursts) {
    FramePacer pacer(70.0);
    // Frames that take 5 ms to draw: the waits stretch 70 of them to a second.
    double now = 0.0;
    for (int i = 0; i < 70; ++i) {
        now += 5.0;                    // drawing
        now += pacer.afterFrame(now);  // the wait
    }
    EXPECT_NEAR(now, 1000.0, 1000.0 / 70.0);
    // A stall of 100 ms: the next frames wait normally again, not catch up.
    now += 100.0;
    EXPECT_EQ(pacer.afterFrame(now), 0.0);
    now += 5.0;
    const double wait = pacer.afterFrame(now);
    EXPECT_NEAR(wait, 1000.0 / 70.0 - 5.0, 1e-9);
    now += wait;
    // Frames slower than the cap never wait; --no-frame-cap never waits.
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pacer.afterFrame(now += 20.0), 0.0);
    // A clock that jumps back never makes it wait longer than one period.
    EXPECT_LE(pacer.afterFrame(now - 1e6), 1000.0 / 70.0);
    pacer.setEnabled(false);
    EXPECT_EQ(pacer.afterFrame(now + 1.0), 0.0);
}

// Swaps wait for the display only where that cannot make play faster than the
// pacer, and never when uncapped.
TEST(SwapInterval, WaitsForRefreshesOnlyWhereTheDisplayIsNoFasterThanTheCap) {
    EXPECT_EQ(SwapInterval::choose(60.0, 70.0), 1);
    EXPECT_EQ(SwapInterval::choose(70.08, 70.0), 1);   // a "70 Hz" mode as drivers report it
    EXPECT_EQ(SwapInterval::choose(75.0, 70.0), 0);    // would otherwise alternate one and two refreshes
    EXPECT_EQ(SwapInterval::choose(144.0, 70.0), 0);
    EXPECT_EQ(SwapInterval::choose(0.0, 70.0), -1);    // unknown: the driver's own choice stands
    EXPECT_EQ(SwapInterval::choose(std::nan(""), 70.0), -1);
    EXPECT_EQ(SwapInterval::choose(60.0, 0.0), 0);     // --no-frame-cap
}

// --frame-stats once counted the start screen into the start-up and a pause as one long frame: the start-up ends
// with the first picture, whatever the screen, and the time a screen stood is no interval of play.
TEST(FrameStats, StartUpEndsWithTheFirstPictureAndAStandingScreenIsNoFrame) {
    FrameStats stats;
    stats.pictureShown();   // the start screen
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    stats.playBegins();
    stats.shown();
    stats.shown();
    std::this_thread::sleep_for(std::chrono::milliseconds(150));   // a pause
    stats.playBegins();
    stats.shown();
    stats.pictureShown();   // the game-over screen
    const std::string json = stats.json();
    EXPECT_NE(json.find("\"frames\": 3"), std::string::npos) << json;
    const double startup = std::stod(json.substr(json.find("\"startup_ms\": ") + 14));
    const double longest = std::stod(json.substr(json.find("\"max_ms\": ") + 10));
    EXPECT_LT(longest, 150.0) << "the pause counted as a frame: " << json;
    EXPECT_LT(startup, FrameStats::sinceProcessStart() - 140.0) << "the start screen counted into the start-up";
}
