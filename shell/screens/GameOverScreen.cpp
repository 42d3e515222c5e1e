#include "GameOverScreen.h"

#include "shell/hud/Overlay.h"
#include "settings/Settings.h"
#include "shell/screens/ScreenFrame.h"
#include "assets/Font.h"
#include "platform/BestScore.h"
#include "platform/ScoreTable.h"

#include <cmath>
#include <cstdio>

namespace {
constexpr int GAME_OVER_PASSES = 8;
}

const int GameOverScreen::LINES[3] = {180, 156, 132};

void GameOverScreen::draw(const ScreenFrame& frame) const {
    Overlay::begin();
    glDisable(GL_STENCIL_TEST);
    // Added onto the same picture frame after frame, the band's colours
    // saturated within a few frames; drawn onto a fresh copy of the last view
    // each frame, it is added that many times at once.
    Overlay::addAtCentre(frame.gameOverTexture, 500, 58, GAME_OVER_PASSES);
    Overlay::end();
    Font* font = frame.font;
    if (!font) return;
    const float points = frame.points;
    const BestScore* bestScore = frame.bestScore;
    // Font units (640 x 480 over the picture, glyphs 16 high): between the
    // band (down to 204) and the dashboard, whose instrument hump under the
    // lines rises to 126.
    font->print(200, LINES[2], "Your Points: ", 0);
    font->printNumber(350, LINES[2], points, 0);
    if (frame.wave > 0) font->print(440, LINES[2], "wave " + std::to_string(frame.wave), 0);
    // A challenge's verdict stands where the best would: the game to beat is the friend's.
    if (frame.challenge >= 0.0f) {
        font->print(200, LINES[1], verdict(points, frame.challenge), 0);
    } else if (frame.wave > 0) {
        // The kept best score is classic's; a score attack's best heads its own table.
        if (frame.scores && !frame.scores->entries().empty()) {
            font->print(200, LINES[1], "Best: ", 0);
            font->printNumber(350, LINES[1], static_cast<float>(frame.scores->entries().front().points), 0);
        }
    } else if (bestScore) {
        font->print(200, LINES[1], "Best: ", 0);
        if (bestScore->best()) font->printNumber(350, LINES[1], static_cast<float>(*bestScore->best()), 0);
        else font->print(350, LINES[1], "unknown", 0);
    }
    font->print(200, LINES[0], keysLine(frame.settings), 0);
    if (frame.scores) drawTable(frame);
}

std::string GameOverScreen::verdict(float points, float toBeat) {
    const long long by = std::llround(points) - std::llround(toBeat);
    if (by > 0) return "you beat it by " + std::to_string(by) + " points";
    if (by == 0) return "level with it: " + std::to_string(std::llround(points)) + " points each";
    return std::to_string(-by) + " points short";
}

std::vector<std::string> GameOverScreen::tableLines(const ScoreTable& table, int place, bool waves, bool daily) {
    std::vector<std::string> lines = {daily ? "Today's best games" : waves ? "Best games: waves" : "Best games: classic"};
    const auto& entries = table.entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const ScoreTable::Entry& e = entries[i];
        char line[64];
        if (waves)
            std::snprintf(line, sizeof line, "%s%2zu. %7lld  wave %-3u %s", int(i) == place ? "> " : "  ", i + 1,
                          static_cast<long long>(e.points), e.wave, e.date.c_str());
        else
            std::snprintf(line, sizeof line, "%s%2zu. %7lld  %s", int(i) == place ? "> " : "  ", i + 1,
                          static_cast<long long>(e.points), e.date.c_str());
        lines.push_back(line);
    }
    return lines;
}

void GameOverScreen::drawTable(const ScreenFrame& frame) const {
    const std::vector<std::string> lines =
        tableLines(*frame.scores, frame.place, frame.wave > 0, frame.daily);
    // Above the band (which reaches up to about 258), on a panel of its own.
    constexpr int TOP = 440, ROW = 16, LEFT = 150;
    const int bottom = TOP - ROW * int(lines.size());
    Overlay::darkPanel(LEFT * 1024 / 640 - 16, (480 - TOP - 22) * 768 / 480, (640 - LEFT) * 1024 / 640 + 16,
                       (480 - bottom + 2) * 768 / 480, 0.75f);
    for (size_t i = 0; i < lines.size(); ++i) frame.font->print(LEFT, TOP - ROW * int(i), lines[i], 0);
}

std::string GameOverScreen::keysLine(const Settings& settings) {
    const std::string quit = settings.keys.describe(Action::Quit);
    return "Enter: play again   " + (quit == "escape" ? std::string("Esc") : quit) + ": quit";
}
