#pragma once

#include "shell/screens/GameOverScreen.h"
#include "shell/screens/HelpScreen.h"
#include "shell/screens/KeptFrame.h"
#include "shell/options/OptionsScreen.h"
#include "shell/screens/PauseScreen.h"
#include "shell/screens/StartScreen.h"
#include "settings/KeyBindings.h"

#include <vector>

// Which screen is showing, and what each does. Every change of screen goes
// through one function, which tells the frame clock, the pointer and the
// kept picture; the toolkit's callbacks ask the screen what to do.
enum class Screen {
    Start,      // before the first game: the goal and the keys over the cockpit; the game clock stands still
    Playing,    // frames advance the game
    Pausing,    // still playing: "p" was pressed, the pause begins once this frame is drawn, so it can be kept
    Paused,     // the kept frame and "PAUSED"; nothing moves, the game clock stands still
    HelpAsked,  // still playing: the help key was pressed, the help opens once this frame is drawn
    Help,       // the keys over the kept frame; play stands still behind it
    GameOver,   // power is gone: the last view, the game-over band and the points
    Options,    // the settings, changed at once; over the start, pause or help screen, play stands still
    OptionsAsked,   // still playing: the options key was pressed; play pauses and the options open once this frame is drawn
    Back,       // in a step only: the screen the current one was opened over
};

enum class ScreenEvent {
    PauseKey,      // "p"
    HelpKey,       // "h" or F10
    OptionsKey,    // "o", or the gamepad's Back held
    EnterKey,
    EscapeKey,
    Click,         // the fire button
    Resize,
    FrameDrawn,    // a frame of play is drawn, not yet shown, power left
    PowerGone,     // a frame of play is drawn, not yet shown, power at zero or below
    Signal,        // SIGINT, SIGTERM, SIGHUP or SIGQUIT received
    WindowClosed,  // the window manager closed the window
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

    // Looks the event up and carries it out. A screen opened over another
    // (the help) goes back to it when it closes.
    void handle(ScreenEvent event);
    Screen current() const { return screen; }
    // Play is going on: controls steer, throttle and fire.
    bool playing() const {
        return screen == Screen::Playing || screen == Screen::Pausing || screen == Screen::HelpAsked ||
               screen == Screen::OptionsAsked;
    }
    // Play stands still: nothing is played, the picture is drawn only when asked.
    bool stands() const { return stands(screen); }
    static bool stands(Screen s) {
        return s == Screen::Start || s == Screen::Paused || s == Screen::Help || s == Screen::Options;
    }

    // While the options show, every key, button and arrow is theirs, not
    // play's: true when this one was taken. Releases are never taken, so
    // a key let go of in the menu still lets go of what it held.
    bool takesKey(Key key);
    // The gamepad's arrows, A and B on the options: they choose, never bind.
    bool takesPadKey(Key key);
    // A click or the wheel at window pixel (x, y): true when the options took it.
    bool takesClick(Key button, int x, int y);
    // The pointer moved to (x, y): on the options it chooses the entry under it.
    bool takesPointer(int x, int y);

    // The program opens on the start screen rather than in play.
    void openOnStart();

    // The display callback: one frame of play, or the screen showing.
    void display();
    // The idle callback: the next frame, or a short wait while play stands still.
    void idle();

    // The frame of play being drawn, kept now to stand behind the game-over
    // screen: called where its view is drawn and its head-up display not yet.
    void keepView();

    // The process is ending (exit called, from anywhere): the window's close
    // callback that the toolkit's clean-up calls must not quit a second time.
    void ending() { leaving = true; }

    // Back to the playing screen with nothing kept (tests, benchmark).
    void reset();

private:
    // The scene built whole, if the start screen's first picture was shown
    // without it; the signals honoured from then on.
    void finishLoading();
    void change(Screen to, bool restartsClock);
    // What the options menu changed, put into effect at once.
    void takeEffect(unsigned changed);
    // The options' entry under window pixel (x, y) chosen; false when there is none.
    bool chooseAt(int x, int y);
    // Behind a standing screen: the kept frame, or before the first game the cockpit as it stands.
    void drawBehind() const;
    // What stands behind, with a screen's picture over it.
    template <class Picture> void drawOver(const Picture& picture) const;

    Screen screen = Screen::Playing;
    std::vector<Screen> under;   // the screens the current one was opened over, the nearest last
    bool leaving = false;        // the program is ending: a quit is under way
    KeptFrame kept;              // behind the paused, help and game-over screens
    StartScreen start;
    PauseScreen pause;
    HelpScreen help;
    OptionsScreen options;
    GameOverScreen over;
};

// The one owner of which screen shows.
extern Screens screens;
