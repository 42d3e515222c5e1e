#pragma once

struct ScreenFrame;

// The game-over band over the last view of the game, the points, the kept
// best when there is one, and what the keys do now.
class GameOverScreen {
public:
    void draw(const ScreenFrame& frame) const;
};
