#pragma once

#include <string>
#include <vector>

struct Settings;
struct ScreenFrame;
class ScoreTable;

// The game-over band over the last view of the game, the points, the kept
// best when there is one, and what the keys do now.
class GameOverScreen {
public:
    void draw(const ScreenFrame& frame) const;
    // "Enter: play again   Esc: quit", naming the quit key this player's settings bind.
    static std::string keysLine(const Settings& settings);
    // The table's lines, top down: a title, then one a game, the one just
    // played marked; classic's have no wave.
    // A challenge's end: "you beat it by N points", or "N points short".
    static std::string verdict(float points, float toBeat);
    static std::vector<std::string> tableLines(const ScoreTable& table, int place, bool waves, bool daily);
    // The three lines' baselines, top down, in font units (640 x 480, y up).
    static const int LINES[3];

private:
    void drawTable(const ScreenFrame& frame) const;
};
