#include "StartScreen.h"

#include "shell/hud/Overlay.h"
#include "settings/Settings.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/view/View.h"
#include "assets/Font.h"

namespace {

// Font units: 640 x 480 over the picture, y up, glyphs 10 wide and 16 high.
constexpr int TOP = 420, ROW = 18, LEFT = 40;

}

std::string StartScreen::steeringLine(const Settings& settings, Steering steering) {
    const char* const said = steering == Steering::Aim ? "aim: point the ring where you want to fly"
                                                       : "rates: mouse sets how fast you turn (diamond); c stops";
    return (settings.steering == steering ? "> " : "  ") + std::string(said);
}

std::vector<std::string> StartScreen::lines(const Settings& settings) {
    auto key = [&](Action action) { return settings.keys.describe(action); };
    // At most 56 letters a line: the panel stands inside the window onto space.
    return {
        "S P A C E F I G H T",
        "",
        settings.mode == Mode::Classic ? "Destroy the enemy ship: 80 points and 80 power each."
                                       : "Each ship: 80 points and 80 power; a cleared wave, more.",
        "Touching rocks and the enemy's laser cost power;",
        "the game ends when your power is gone.",
        "",
        "Left: speed, power and points. Radar: you at the",
        "centre, ahead up; red: the enemy, pale: rocks;",
        "a stalk: above or below you.",
        "",
        "Mouse steering, " + key(Action::SwitchSteering) + " switches (the arrows steer too):",
        steeringLine(settings, Steering::Aim),
        steeringLine(settings, Steering::Rates),
        "fire: " + key(Action::Fire) + "   throttle: " + key(Action::ThrottleUp) + " up, " +
            key(Action::ThrottleDown) + " down   pause: " + key(Action::Pause),
        "all keys: " + key(Action::Help) + "   options: " + key(Action::Options) + "   quit: " + key(Action::Quit),
        modeLine(settings.mode),
        "Enter or click to start",
    };
}

std::string StartScreen::modeLine(Mode mode) {
    switch (mode) {
    case Mode::Waves: return "game: waves - more ships each wave   Tab: next";
    case Mode::Daily: return "game: daily - today's waves, for all   Tab: next";
    default: return "game: classic - one enemy   Tab: next";
    }
}

void StartScreen::draw(const ScreenFrame& frame) const {
    const std::vector<std::string> text = lines(frame.settings);
    // A dark panel over the window onto space, so the letters read over the sky.
    const int bottom = TOP - ROW * int(text.size());
    Overlay::darkPanel(LEFT * 1024 / 640 - 16, (480 - TOP - 24) * 768 / 480, (640 - LEFT) * 1024 / 640 + 16,
                       (480 - bottom + 4) * 768 / 480, 0.8f);
    drawWords(frame);
}

void StartScreen::drawWords(const ScreenFrame& frame) const {
    const std::vector<std::string> text = lines(frame.settings);
    if (!frame.font) return;
    for (size_t i = 0; i < text.size(); ++i) {
        const std::string& line = text[i];
        const int y = TOP - ROW * int(i);
        // The name and the way to begin stand centred; the rest flush left.
        const bool centred = i == 0 || i + 1 == text.size();
        frame.font->print(centred ? 320 - 5 * int(line.size()) : LEFT, y, line, 0);
    }
}
