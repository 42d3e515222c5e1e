#pragma once

#include "shell/screens/GameOverScreen.h"
#include "shell/screens/HelpScreen.h"
#include "shell/screens/KeptFrame.h"
#include "shell/screens/PauseScreen.h"

// Which screen is showing, and what each does. Every change of screen goes
// through one function, which tells the frame clock, the pointer and the
// kept picture; the toolkit's callbacks ask the screen what to do.
enum class Screen {
    Playing,    // frames advance the game
    Pausing,    // still playing: "p" was pressed, the pause begins once this frame is drawn, so it can be kept
    Paused,     // the kept frame and "PAUSED"; nothing moves, the game clock stands still
    HelpAsked,  // still playing: the help key was pressed, the help opens once this frame is drawn
    Help,       // the keys over the kept frame; play is paused behind it
    PausedHelp, // the keys, opened over the pause: closing it goes back to the pause
    GameOver,   // power is gone: the last view, the game-over band and the points
};

enum class ScreenEvent {
    PauseKey,      // "p"
    HelpKey,       // "h" or F10
    EnterKey,
    EscapeKey,
    Click,         // the fire button
    Resize,
    FrameDrawn,    // a frame of play is drawn, not yet shown, power left
    PowerGone,     // a frame of play is drawn, not yet shown, power at zero or below
    Signal,        // SIGINT, SIGTERM, SIGHUP or SIGQUIT received
    ClockStall,    // the last frame ended longer ago than a stall
};

enum class ScreenAction { None, Fire, NewGame, Redraw, Quit };

struct ScreenStep {
    Screen next;
    ScreenAction action;
    bool restartsClock;   // the next frame is measured from now, not across the wait
};

class Screens {
public:
    // The whole table: what an event does on a screen. No side effects.
    static ScreenStep decide(Screen from, ScreenEvent event);

    // Looks the event up and carries it out.
    void handle(ScreenEvent event);
    Screen current() const { return screen; }
    // Play is going on: controls steer, throttle and fire.
    bool playing() const {
        return screen == Screen::Playing || screen == Screen::Pausing || screen == Screen::HelpAsked;
    }
    // Play stands still: the kept frame is shown, nothing is drawn anew.
    bool stands() const { return screen == Screen::Paused || screen == Screen::Help || screen == Screen::PausedHelp; }
    bool helpShown() const { return screen == Screen::Help || screen == Screen::PausedHelp; }

    // The display callback: one frame of play, or the paused or game-over screen.
    void display();
    // The idle callback: the next frame, or a short wait while paused.
    void idle();

    // The frame of play being drawn, kept now to stand behind the game-over
    // screen: called where its view is drawn and its head-up display not yet.
    void keepView();

    // Back to the playing screen with nothing kept (tests, benchmark).
    void reset();

private:
    void change(Screen to, bool restartsClock);
    // The kept frame with a screen's picture over it.
    template <class Picture> void drawOverKept(const Picture& picture) const;

    Screen screen = Screen::Playing;
    KeptFrame kept;   // behind the paused and game-over screens
    PauseScreen pause;
    HelpScreen help;
    GameOverScreen over;
};

// The one owner of which screen shows.
extern Screens screens;
