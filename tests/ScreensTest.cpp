// Guards the table of each event on each screen: no pause outliving the game, no stray shot, no frame over a wait;
// the game-over table of best games with the game just played marked, and the start screen's mode line.
#include "shell/Scene.h"
#include "shell/screens/Screens.h"
#include "shell/view/View.h"
#include "platform/ScoreTable.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

TEST(Screens, EveryEventOnEveryScreen) {
    using S = Screen;
    using E = ScreenEvent;
    using A = ScreenAction;
    struct Row {
        S from;
        E event;
        S next;
        A action;
        bool restartsClock;
    } rows[] = {
        // "p": asked in play, taken once the frame is drawn; asked twice, forgotten.
        {S::Playing, E::PauseKey, S::Pausing, A::None, false},
        {S::Pausing, E::PauseKey, S::Playing, A::None, false},
        {S::Pausing, E::FrameDrawn, S::Paused, A::None, false},
        {S::Playing, E::FrameDrawn, S::Playing, A::None, false},
        {S::Paused, E::PauseKey, S::Playing, A::None, true},
        {S::GameOver, E::PauseKey, S::GameOver, A::None, false},
        // The help: asked in play, shown once the frame is drawn, over a pause
        // and the start screen too; h, F10 or Escape close it (Escape does not
        // quit there), back to the screen it was opened over.
        {S::Playing, E::HelpKey, S::HelpAsked, A::None, false},
        {S::HelpAsked, E::FrameDrawn, S::Help, A::None, false},
        {S::Paused, E::HelpKey, S::Help, A::None, false},
        {S::Start, E::HelpKey, S::Help, A::None, false},
        {S::Help, E::HelpKey, S::Back, A::None, false},
        {S::Help, E::EscapeKey, S::Back, A::None, false},
        {S::Help, E::PauseKey, S::Help, A::None, false},
        // The options: over the start, pause and help screens only, closed by
        // their key or Escape (never quitting) back to where they were opened.
        {S::Start, E::OptionsKey, S::Options, A::None, false},
        {S::Paused, E::OptionsKey, S::Options, A::None, false},
        {S::Help, E::OptionsKey, S::Options, A::None, false},
        // "o" in play: a pause once this frame is drawn, the options over it; asked twice, forgotten.
        {S::Playing, E::OptionsKey, S::OptionsAsked, A::None, false},
        {S::OptionsAsked, E::OptionsKey, S::Playing, A::None, false},
        {S::OptionsAsked, E::FrameDrawn, S::Options, A::None, false},
        {S::OptionsAsked, E::PowerGone, S::GameOver, A::None, false},
        {S::GameOver, E::OptionsKey, S::GameOver, A::None, false},
        {S::Options, E::OptionsKey, S::Back, A::None, false},
        {S::Options, E::EscapeKey, S::Back, A::None, false},
        {S::Options, E::Click, S::Options, A::None, false},
        {S::Options, E::Resize, S::Options, A::Redraw, false},
        {S::Options, E::PowerGone, S::Options, A::None, false},
        // The start screen: Enter or a click begins (the click fires nothing),
        // Escape quits, nothing else moves.
        {S::Start, E::EnterKey, S::Playing, A::None, true},
        {S::Start, E::Click, S::Playing, A::None, true},
        {S::Start, E::EscapeKey, S::Start, A::Quit, false},
        {S::Start, E::PauseKey, S::Start, A::None, false},
        {S::Start, E::Resize, S::Start, A::Redraw, false},
        {S::Start, E::ClockStall, S::Start, A::None, false},
        {S::Help, E::Click, S::Help, A::None, false},
        {S::Help, E::Resize, S::Help, A::Redraw, false},
        {S::HelpAsked, E::PowerGone, S::GameOver, A::None, false},
        {S::GameOver, E::HelpKey, S::GameOver, A::None, false},
        // Power gone: the game ends, a pause asked for in its last frame with it.
        {S::Playing, E::PowerGone, S::GameOver, A::None, false},
        {S::Pausing, E::PowerGone, S::GameOver, A::None, false},
        // Enter: a new game from the game-over screen only.
        {S::GameOver, E::EnterKey, S::Playing, A::NewGame, true},
        {S::Playing, E::EnterKey, S::Playing, A::None, false},
        {S::Paused, E::EnterKey, S::Paused, A::None, false},
        // The fire button fires only in play.
        {S::Playing, E::Click, S::Playing, A::Fire, false},
        {S::Pausing, E::Click, S::Pausing, A::Fire, false},
        {S::Paused, E::Click, S::Paused, A::None, false},
        {S::GameOver, E::Click, S::GameOver, A::None, false},
        // A resize redraws the kept frame; the other screens draw anew anyway.
        {S::Paused, E::Resize, S::Paused, A::Redraw, false},
        {S::Playing, E::Resize, S::Playing, A::None, false},
        {S::GameOver, E::Resize, S::GameOver, A::None, false},
        // Escape and signals end the program on every screen.
        {S::Paused, E::EscapeKey, S::Paused, A::Quit, false},
        {S::GameOver, E::Signal, S::GameOver, A::Quit, false},
        {S::Playing, E::Signal, S::Playing, A::Quit, false},
        {S::Options, E::WindowClosed, S::Options, A::Quit, false},
        // Back from a stall, play goes on from now.
        {S::Playing, E::ClockStall, S::Playing, A::None, true},
        {S::Paused, E::ClockStall, S::Paused, A::None, false},
    };
    for (const Row& r : rows) {
        const ScreenStep step = Screens::decide(r.from, r.event);
        const std::string what = "screen " + std::to_string(int(r.from)) + ", event " + std::to_string(int(r.event));
        EXPECT_EQ(step.next, r.next) << what;
        EXPECT_EQ(step.action, r.action) << what;
        EXPECT_EQ(step.restartsClock, r.restartsClock) << what;
    }
}

// What a change of screen asks of the window, which carries it out: the clock stopped while a screen stands and
// restarted as play goes on, the choices kept as the options close, the best score offered at the game's end,
// the pointer given back to play but not across a new game, and one quit however many closes follow it.
TEST(Screens, EachChangeAsksTheWindowForWhatItNeeds) {
    Scene scene;
    View view;
    Settings settings;
    Screens screens(scene, view, settings);
    using F = ScreenEffects;
    auto asks = [&](ScreenEvent event) { return screens.handle(event).what; };
    EXPECT_EQ(screens.openOnStart().what, F::StopClock | F::ShowPointer);
    EXPECT_EQ(asks(ScreenEvent::OptionsKey), unsigned(F::Redraw));
    EXPECT_EQ(asks(ScreenEvent::EscapeKey), F::SaveSettings | F::Redraw);
    EXPECT_EQ(asks(ScreenEvent::EnterKey), F::PlayBegins | F::HidePointer | F::RestartClock);
    EXPECT_EQ(asks(ScreenEvent::PauseKey), 0u);
    EXPECT_EQ(asks(ScreenEvent::FrameDrawn), F::StopClock | F::ShowPointer | F::Redraw);
    EXPECT_EQ(asks(ScreenEvent::PauseKey), F::PlayBegins | F::HidePointer | F::RestartClock);
    EXPECT_EQ(asks(ScreenEvent::Click), unsigned(F::Fire));
    EXPECT_EQ(asks(ScreenEvent::PowerGone), F::StopClock | F::OfferBest);
    EXPECT_EQ(asks(ScreenEvent::EnterKey), F::NewGame | F::PlayBegins | F::RestartClock);
    EXPECT_EQ(asks(ScreenEvent::EscapeKey), unsigned(F::Quit));
    EXPECT_EQ(asks(ScreenEvent::WindowClosed), 0u);
}

TEST(GameOverScreen, TheTableMarksTheGameJustPlayedAndNamesWavesWhereTheModeHasThem) {
    ScoreTable table("");
    table.offer({500, 5, "2026-12-08"});   // no file: shown all the same
    EXPECT_EQ(table.offer({240, 3, "2026-12-08"}), 1);
    const std::vector<std::string> waves = GameOverScreen::tableLines(table, 1, true, true);
    ASSERT_EQ(waves.size(), 3u);
    EXPECT_EQ(waves[0], "Today's best games");
    EXPECT_EQ(waves[1], "   1.     500  wave 5   2026-12-08");
    EXPECT_EQ(waves[2], ">  2.     240  wave 3   2026-12-08");
    EXPECT_EQ(GameOverScreen::tableLines(table, -1, false, false)[2], "   2.     240  2026-12-08");
    EXPECT_EQ(GameOverScreen::tableLines(table, -1, false, false)[0], "Best games: classic");
    // Each mode's start screen fits its panel.
    Settings settings;
    for (Mode m : {Mode::Classic, Mode::Waves, Mode::Daily}) {
        settings.mode = m;
        for (const std::string& line : StartScreen::lines(settings)) EXPECT_LE(line.size(), 56u) << line;
    }
}
