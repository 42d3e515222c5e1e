#pragma once

#include <gtest/gtest.h>

#include <cstdint>

class GameWindow;

// The test program's one window object, as main makes it; made on first use.
GameWindow& shellWindow();

// The whole game as the program builds it, from the generated assets, in the
// test window of size x size (the picture fills the largest 4:3 part of it),
// uncapped, on the playing screen. Built once per process.
void openShellGame(int size);

// A fresh game on a clock fixed at `start` ms; frames measured before it do not carry over.
void startFreshGame(uint32_t start);

// Plays `frames` frames through the display callback, each `step` ms after
// the one before on the fixed clock; `now` (ms) is advanced.
void playFrames(int frames, uint32_t& now, uint32_t step = 14);

// A test on the whole game in a 256 x 256 window, started fresh at `now`.
struct ShellGameTest : testing::Test {
    static constexpr int SIZE = 256;
    void SetUp() override {
        openShellGame(SIZE);
        startFreshGame(now);
    }
    void play(int frames) { playFrames(frames, now); }
    uint32_t now = 1000;
};
