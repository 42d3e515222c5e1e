#pragma once

#include "shell/screens/GameOverScreen.h"
#include "shell/screens/HelpScreen.h"
#include "shell/screens/KeptFrame.h"
#include "shell/options/OptionsScreen.h"
#include "shell/screens/PauseScreen.h"
#include "shell/screens/StartScreen.h"
#include "shell/screens/ScreenEvent.h"
#include "settings/KeyBindings.h"

#include <vector>

enum class ScreenAction { None, Fire, NewGame, Redraw, Quit };

struct ScreenStep {
    Screen next;
    ScreenAction action;
    bool restartsClock;   // the next frame is measured from now, not across the wait
};

class Scene;
class View;
struct Settings;

// Which screen is showing, and what each does. Every change of screen goes
// through one function, which returns what it asks of the clock, the
// pointer, the settings and the game; the window carries that out. The
// toolkit's callbacks ask the screen what to do.
class Screens {
public:
    // Draws from the scene and the view, and the options change `settings`.
    Screens(const Scene& scene, const View& view, Settings& settings);

    // The whole table: what an event does on a screen. No side effects.
    static ScreenStep decide(Screen from, ScreenEvent event);

    // Looks the event up and changes the screen; returns what the change asks
    // of the rest. A screen opened over another (the help) goes back to it
    // when it closes.
    ScreenEffects handle(ScreenEvent event);
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
    // What the options changed is added to `effects`.
    bool takesKey(Key key, ScreenEffects& effects);
    // The gamepad's arrows, A and B on the options: they choose, never bind.
    bool takesPadKey(Key key, ScreenEffects& effects);
    // A click or the wheel at window pixel (x, y): true when the options took it.
    bool takesClick(Key button, int x, int y, ScreenEffects& effects);
    // The pointer moved to (x, y): on the options it chooses the entry under it.
    bool takesPointer(int x, int y, ScreenEffects& effects);

    // The program opens on the start screen rather than in play: the clock
    // stands and the pointer shows.
    ScreenEffects openOnStart();

    // A standing screen stands before the first game: the cockpit as it
    // stands is drawn behind it (by the window), not a kept frame.
    bool beforeFirstGame() const;
    // The standing or game-over screen's picture, over the kept frame (or,
    // before the first game, over what the window drew behind it). `points`:
    // the game's.
    void draw(float points) const;
    // The start screen's words alone, over black: its first picture, drawn
    // with the fewest kinds of drawing the renderer must prepare.
    void drawStartWords() const;
    // A challenge's points to beat, said at the game's end; below 0: no challenge.
    float challengePoints = -1.0f;

    // A line on the options under their title until the next key, such as
    // when a change waits for the next game.
    void sayOnOptions(const std::string& text);

    // The frame of play being drawn, kept now to stand behind the game-over
    // screen: called where its view is drawn and its head-up display not yet.
    void keepView();
    // The kept frame's storage for the viewport's size, made now: at
    // start-up, not in the first pause or game over.
    void prepareKeptFrame();

    // The process is ending (exit called, from anywhere): the window's close
    // callback that the toolkit's clean-up calls must not quit a second time.
    void ending() { leaving = true; }

    // Back to the playing screen with nothing kept (tests, benchmark).
    void reset();

private:
    ScreenEffects change(Screen to, bool restartsClock);
    // What the options menu changed, to be put into effect at once.
    ScreenEffects takeEffect(unsigned changed);
    // The options' entry under window pixel (x, y) chosen; false when there is none.
    bool chooseAt(int x, int y);
    // A screen's picture over what stands behind.
    template <class Picture> void drawOver(const Picture& picture, float points) const;

    const Scene& scene;
    const View& view;
    Settings& settings;

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
