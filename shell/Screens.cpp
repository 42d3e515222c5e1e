#include "Screens.h"

#include "FrameLoop.h"
#include "Game.h"
#include "Hud.h"
#include "Input.h"
#include "replay/Replay.h"
#include "Scene.h"
#include "ShellState.h"
#include "assets/Font.h"
#include "entities/MyShip.h"
#include "platform/BestScore.h"
#include "platform/GameDisplay.h"
#include "platform/Pointer.h"
#include "platform/TerminationSignal.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <thread>

Screens screens;

ScreenStep Screens::decide(Screen from, ScreenEvent event) {
    using S = Screen;
    using A = ScreenAction;
    const bool play = from == S::Playing || from == S::Pausing || from == S::HelpAsked;
    switch (event) {
    case ScreenEvent::PauseKey:
        if (from == S::Playing) return {S::Pausing, A::None, false};
        if (from == S::Pausing) return {S::Playing, A::None, false};   // asked twice within a frame: no pause
        if (from == S::Paused) return {S::Playing, A::None, true};
        return {from, A::None, false};   // over, or the help is open or asked for: nothing to pause
    case ScreenEvent::HelpKey:
        if (from == S::Playing) return {S::HelpAsked, A::None, false};
        if (from == S::HelpAsked) return {S::Playing, A::None, false};
        if (from == S::Paused) return {S::Help, A::None, false};   // over the frame the pause kept
        if (from == S::Help) return {S::Playing, A::None, true};
        return {from, A::None, false};
    case ScreenEvent::EnterKey:
        if (from == S::GameOver) return {S::Playing, A::NewGame, true};
        return {from, A::None, false};
    case ScreenEvent::EscapeKey:
        if (from == S::Help) return {S::Playing, A::None, true};   // Escape closes the help; it does not quit
        return {from, A::Quit, false};
    case ScreenEvent::Signal: return {from, A::Quit, false};
    case ScreenEvent::Click: return {from, play ? A::Fire : A::None, false};
    case ScreenEvent::Resize: return {from, from == S::Paused || from == S::Help ? A::Redraw : A::None, false};
    case ScreenEvent::FrameDrawn:
        if (from == S::Pausing) return {S::Paused, A::None, false};
        if (from == S::HelpAsked) return {S::Help, A::None, false};
        return {from, A::None, false};
    // A pause asked for in the game's last frame ends with the game.
    case ScreenEvent::PowerGone: return {play ? S::GameOver : from, A::None, false};
    case ScreenEvent::ClockStall: return {from, A::None, play};
    }
    return {from, A::None, false};
}

void Screens::handle(ScreenEvent event) {
    const ScreenStep step = decide(screen, event);
    switch (step.action) {
    case ScreenAction::Quit: {
        const int recorded = replay.close();   // its last hash; status 4 when any of it failed
        GameDisplay::leaveGameMode();
        std::exit(event == ScreenEvent::Signal ? 128 + TerminationSignal::received() : recorded);
    }
    case ScreenAction::Fire: queueShot(); break;   // fired in the next frame of play
    case ScreenAction::NewGame:
        replay.newGame();
        startNewGame();   // built while the clock stands still
        break;
    case ScreenAction::Redraw: glutPostRedisplay(); break;
    case ScreenAction::None: break;
    }
    if (step.next != screen || step.restartsClock) change(step.next, step.restartsClock);
}

void Screens::change(Screen to, bool restartsClock) {
    const Screen from = screen;
    screen = to;
    if ((to == Screen::Paused || to == Screen::Help) && from != Screen::Paused) {
        // The frame just drawn, not yet shown: only the back buffer is sure to hold it.
        frameClock.stop();
        kept.capture(windowWidth, windowHeight);
        Pointer::show();
        glutPostRedisplay();
    } else if (to == Screen::Help) {
        glutPostRedisplay();   // over the frame the pause kept
    } else if (to == Screen::GameOver && from != Screen::GameOver) {
        frameClock.stop();
        if (bestScore && game) bestScore->offer(std::llround(game->myShip->getPoints()));
    } else if (to == Screen::Playing && (from == Screen::Paused || from == Screen::Help || from == Screen::GameOver)) {
        kept.forget();
        if (from != Screen::GameOver) {
            Pointer::hide();
            centerPointer();   // its own motion event is ignored; the turn rates stay as they were
        }
        cockpitFrames = 0;   // the screen painted over the cockpit picture
        if (from == Screen::GameOver) forgetKeySteering();   // its part belonged to the old ship
    }
    if (restartsClock) frameClock.restart();
}

void Screens::keepView() {
    kept.capture(windowWidth, windowHeight);
}

void Screens::reset() {
    screen = Screen::Playing;
    kept.forget();
}

void Screens::display() {
    switch (screen) {
    case Screen::Playing:
    case Screen::Pausing:
    case Screen::HelpAsked: playFrame(); break;
    case Screen::Paused: drawPaused(); break;
    case Screen::Help: drawHelp(); break;
    case Screen::GameOver:
        drawGameOver();
        showFrame();
        break;
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

void Screens::drawPaused() const {
    kept.draw(windowWidth, windowHeight);
    if (font) {
        // Font units: 640 x 480 over the window, 10 per glyph; centred, above the crosshair.
        const char* const line = "PAUSED - p to go on";
        font->print(320 - 5 * int(std::strlen(line)), 300, line, 0);
    }
    glutSwapBuffers();
}

void Screens::drawHelp() const {
    kept.draw(windowWidth, windowHeight);
    drawHelpOverlay();
    glutSwapBuffers();
}

void Screens::drawGameOver() const {
    // The last view of the game, without its crosshair and head-up lines.
    kept.draw(windowWidth, windowHeight);
    if (game) drawGameOverScreen(game->myShip->getPoints());
}
