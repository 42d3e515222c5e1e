#include "Screens.h"

#include "game/Game.h"
#include "shell/Scene.h"
#include "shell/frame/FrameLoop.h"
#include "shell/frame/FrameStats.h"
#include "shell/input/Controls.h"
#include "shell/replay/Replay.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/view/PipelineWarmup.h"
#include "shell/view/View.h"
#include "assets/TextureBank.h"
#include "entities/MyShip.h"
#include "platform/BestScore.h"
#include "platform/ErrorReport.h"
#include "platform/GameDisplay.h"
#include "platform/Pointer.h"
#include "platform/SwapInterval.h"
#include "platform/TerminationSignal.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

Screens screens;

ScreenStep Screens::decide(Screen from, ScreenEvent event) {
    using S = Screen;
    using A = ScreenAction;
    const bool play = from == S::Playing || from == S::Pausing || from == S::HelpAsked || from == S::OptionsAsked;
    switch (event) {
    case ScreenEvent::PauseKey:
        if (from == S::Playing) return {S::Pausing, A::None, false};
        if (from == S::Pausing) return {S::Playing, A::None, false};   // asked twice within a frame: no pause
        if (from == S::Paused) return {S::Playing, A::None, true};
        return {from, A::None, false};   // over, not begun, or the help is open or asked for: nothing to pause
    case ScreenEvent::HelpKey:
        if (from == S::Playing) return {S::HelpAsked, A::None, false};
        if (from == S::HelpAsked) return {S::Playing, A::None, false};
        if (from == S::Paused || from == S::Start) return {S::Help, A::None, false};   // over what stands
        if (from == S::Help) return {S::Back, A::None, false};
        return {from, A::None, false};
    case ScreenEvent::OptionsKey:
        // Over a screen where play stands still; from play, over the pause
        // it makes once this frame is drawn.
        if (from == S::Paused || from == S::Start || from == S::Help) return {S::Options, A::None, false};
        if (from == S::Playing) return {S::OptionsAsked, A::None, false};
        if (from == S::OptionsAsked) return {S::Playing, A::None, false};
        if (from == S::Options) return {S::Back, A::None, false};
        return {from, A::None, false};
    case ScreenEvent::EnterKey:
        if (from == S::GameOver) return {S::Playing, A::NewGame, true};
        if (from == S::Start) return {S::Playing, A::None, true};
        return {from, A::None, false};
    case ScreenEvent::EscapeKey:
        // Escape closes the help and the options, back to where they were opened; it does not quit.
        if (from == S::Help || from == S::Options) return {S::Back, A::None, false};
        return {from, A::Quit, false};
    case ScreenEvent::Signal:
    case ScreenEvent::WindowClosed: return {from, A::Quit, false};
    case ScreenEvent::Click:
        if (from == S::Start) return {S::Playing, A::None, true};   // a click begins; it fires nothing
        return {from, play ? A::Fire : A::None, false};
    case ScreenEvent::Resize: return {from, stands(from) ? A::Redraw : A::None, false};
    case ScreenEvent::FrameDrawn:
        if (from == S::Pausing) return {S::Paused, A::None, false};
        if (from == S::HelpAsked) return {S::Help, A::None, false};
        if (from == S::OptionsAsked) return {S::Options, A::None, false};
        return {from, A::None, false};
    // A pause asked for in the game's last frame ends with the game.
    case ScreenEvent::PowerGone: return {play ? S::GameOver : from, A::None, false};
    case ScreenEvent::ClockStall: return {from, A::None, play};
    }
    return {from, A::None, false};
}

void Screens::handle(ScreenEvent event) {
    // The first comes at start-up, or once the start screen's picture is shown.
    if (event == ScreenEvent::Resize && scene.game) kept.prepare(view.viewport());
    ScreenStep step = decide(screen, event);
    switch (step.action) {
    case ScreenAction::Quit: {
        // Leaving destroys the window, which calls the close callback again
        // from inside exit: that second quit must not run.
        if (leaving) return;
        leaving = true;
        const int recorded = replay.close();   // its last hash; status 4 when any of it failed
        GameDisplay::leaveGameMode();
        std::exit(event == ScreenEvent::Signal ? 128 + TerminationSignal::received() : recorded);
    }
    case ScreenAction::Fire: controls.queueShot(); break;   // fired in the next frame of play
    case ScreenAction::NewGame:
        replay.newGame();
        scene.startNewGame();   // built while the clock stands still
        break;
    case ScreenAction::Redraw: glutPostRedisplay(); break;
    case ScreenAction::None: break;
    }
    if (step.next == Screen::Back) {
        step.next = under.empty() ? Screen::Playing : under.back();
        if (!under.empty()) under.pop_back();
        step.restartsClock = step.next == Screen::Playing;
    } else if (step.next == Screen::Help && screen != Screen::Help) {
        // Opened from play, the help closes back into play.
        under.push_back(screen == Screen::HelpAsked ? Screen::Playing : screen);
    } else if (step.next == Screen::Options && screen != Screen::Options) {
        // Asked for in play, they stand over the pause and close back to it.
        under.push_back(screen == Screen::OptionsAsked ? Screen::Paused : screen);
        options.open(controls.settings());
    }
    if (step.next != screen || step.restartsClock) change(step.next, step.restartsClock);
}

void Screens::openOnStart() {
    screen = Screen::Start;
    under.clear();
    frames.clock.stop();
    Pointer::show();
}

void Screens::change(Screen to, bool restartsClock) {
    const Screen from = screen;
    screen = to;
    const bool stood = stands(from);
    if (from == Screen::Options && to != Screen::Options) {
        // What the player chose is kept at once, not only at a clean exit.
        const std::string warning = controls.saveSettings();   // said the first time only
        if (!warning.empty()) reportWarning(warning);
    }
    if ((to == Screen::Paused || to == Screen::Help || to == Screen::Options) && !stood) {
        // The frame just drawn, not yet shown: only the back buffer is sure to hold it.
        frames.clock.stop();
        kept.capture(view.viewport());
        Pointer::show();
        glutPostRedisplay();
    } else if (stands()) {
        glutPostRedisplay();   // over what the screen stands on
    } else if (to == Screen::GameOver && from != Screen::GameOver) {
        frames.clock.stop();
        if (scene.bestScore && scene.game) scene.bestScore->offer(std::llround(scene.game->myShip->getPoints()));
    } else if (to == Screen::Playing && (stood || from == Screen::GameOver)) {
        kept.forget();
        under.clear();
        if (frames.stats) frames.stats->playBegins();
        if (from != Screen::GameOver) {
            Pointer::hide();
            controls.centerPointer();   // its own motion event is ignored; the turn rates stay as they were
        }
        view.cockpit.lost();   // the screen painted over the cockpit picture
    }
    if (restartsClock) frames.clock.restart();
}

bool Screens::takesKey(Key key) {
    if (screen != Screen::Options || !options.isOpen()) return false;
    OptionsMenu& menu = options.menu();
    // The options key closes them too, unless it is the key being bound.
    const bool closes = !menu.waitingForKey() && key != ESCAPE && controls.settings().keys.actionOf(key) == Action::Options;
    takeEffect(menu.press(closes ? ESCAPE : key));
    return true;
}

bool Screens::takesPadKey(Key key) {
    if (screen != Screen::Options || !options.isOpen()) return false;
    takeEffect(options.menu().navigate(key));
    return true;
}

bool Screens::takesClick(Key button, int x, int y) {
    if (screen != Screen::Options || !options.isOpen()) return false;
    OptionsMenu& menu = options.menu();
    static const Key up = KeyBindings::keyNamed("up"), down = KeyBindings::keyNamed("down"),
                     left = KeyBindings::keyNamed("left"), right = KeyBindings::keyNamed("right");
    const int wheelUp = 3, wheelDown = 4, leftButton = 0, rightButton = 2;
    // A button pressed while a key is asked for is the key.
    if (menu.waitingForKey()) return takesKey(BUTTON + button);
    if (button == wheelUp || button == wheelDown) return takesKey(button == wheelUp ? up : down);
    if (button != leftButton && button != rightButton) return true;
    if (!chooseAt(x, y)) return true;
    // The left button takes the next value, the right one the value before;
    // an entry with no values (the keys page, a key, back) opens as Enter would.
    unsigned changed = menu.onKeysPage() ? OptionsMenu::Nothing : menu.press(button == leftButton ? right : left);
    if (changed == OptionsMenu::Nothing && button == leftButton) changed = menu.press(ENTER);
    takeEffect(changed);
    return true;
}

bool Screens::takesPointer(int x, int y) {
    if (screen != Screen::Options || !options.isOpen()) return false;
    OptionsMenu& menu = options.menu();
    const size_t was = menu.chosen();
    if (!menu.waitingForKey() && chooseAt(x, y) && menu.chosen() != was) glutPostRedisplay();
    return true;
}

bool Screens::chooseAt(int x, int y) {
    static const Key up = KeyBindings::keyNamed("up"), down = KeyBindings::keyNamed("down");
    const int entry = options.entryAt(x, y, view.viewport(), view.height());
    if (entry < 0) return false;
    OptionsMenu& menu = options.menu();
    while (menu.chosen() != size_t(entry)) menu.press(menu.chosen() < size_t(entry) ? down : up);
    return true;
}

void Screens::takeEffect(unsigned changed) {
    Settings& settings = controls.settings();
    if (changed & OptionsMenu::Sound) controls.applySoundLevels();   // heard while choosing
    if (changed & OptionsMenu::Pointer) controls.apply(Settings(settings));
    if (changed & OptionsMenu::FrameCap) {
        frames.clock.pacer().setEnabled(settings.frameCap);
        SwapInterval::holdTo(settings.frameCap ? frames.clock.pacer().framesPerSecond() : 0.0);
    }
    if (changed & OptionsMenu::Stats) view.options.showStats = settings.showStats;
    // The window is made once, as the game starts: a new one would lose the textures and lists.
    if (changed & OptionsMenu::Display) options.menu().say("window or full screen: from the next start");
    if (changed & OptionsMenu::Closed) handle(ScreenEvent::EscapeKey);
    else glutPostRedisplay();
}

void Screens::keepView() {
    kept.capture(view.viewport());
}

void Screens::reset() {
    screen = Screen::Playing;
    under.clear();
    kept.forget();
}

void Screens::drawBehind() const {
    const bool beforeFirstGame = screen == Screen::Start || (!under.empty() && under.front() == Screen::Start);
    if (beforeFirstGame) frames.drawStill();
    else kept.draw(view.viewport());
}

template <class Picture> void Screens::drawOver(const Picture& picture) const {
    drawBehind();
    // A screen's picture is no part of the cockpit mask: nothing it draws
    // may mark the stencil, or it would stay as a dark shape once play goes on.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_STENCIL_TEST);
    const Game* game = scene.game;
    const ScreenFrame frame = {controls.settings(), scene.font, scene.bestScore,
                               game ? game->myShip->getPoints() : 0.0f,
                               scene.textures ? scene.textures->slots[9] : 0u};
    picture.draw(frame);
    glPopAttrib();
}

void Screens::finishLoading() {
    if (scene.game) return;
    scene.finishBuilding();
    kept.prepare(view.viewport());
    TerminationSignal::loaded();
}

void Screens::display() {
    // Play, or a screen asked for before the start screen's picture, needs it all.
    if (screen != Screen::Start) finishLoading();
    switch (screen) {
    case Screen::Playing:
    case Screen::Pausing:
    case Screen::HelpAsked:
    case Screen::OptionsAsked: frames.play(); break;
    case Screen::Start:
        drawOver(start);
        glutSwapBuffers();
        if (frames.stats) frames.stats->pictureShown();
        // While the player reads: what the picture did not need, then the pipelines of play.
        finishLoading();
        warmup.afterPicture();
        break;
    case Screen::Paused:
        drawOver(pause);
        glutSwapBuffers();
        break;
    case Screen::Help:
        drawOver(help);
        glutSwapBuffers();
        break;
    case Screen::Options:
        drawOver(options);
        glutSwapBuffers();
        break;
    case Screen::GameOver:
        // The last view of the game, without its crosshair and head-up lines.
        drawOver(over);
        frames.show(false);
        break;
    case Screen::Back: break;
    }
}

void Screens::idle() {
    if (TerminationSignal::received()) handle(ScreenEvent::Signal);
    if (!stands()) {
        display();
        return;
    }
    // Nothing changes while play stands still: wait a little instead of drawing.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}
