#pragma once

// Which screen shows, what happens to it, and what a change of screen asks
// of the rest of the window. The screens decide; the window carries it out.
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

// What the screens ask for, carried out in one place in this order: the
// program's end, a shot, a new game, the settings kept, the clock stopped,
// the best score offered, the pointer shown or hidden, play begun, what the
// options changed put into effect, a new picture, the clock restarted.
struct ScreenEffects {
    enum : unsigned {
        Quit = 1u << 0,           // the program ends (a signal's status when the event was one)
        Fire = 1u << 1,           // one shot, fired in the next frame of play
        NewGame = 1u << 2,        // built while the clock stands still, and recorded as such
        SaveSettings = 1u << 3,   // what the player chose on the options is kept at once
        StopClock = 1u << 4,
        OfferBest = 1u << 5,      // the game's points, to the kept best score
        ShowPointer = 1u << 6,    // the pointer is the desktop's while play stands
        PlayBegins = 1u << 7,     // play (again): counted as begun, the cockpit painted again
        HidePointer = 1u << 14,   // back to play from a standing screen: the pointer hidden and centred
        SoundLevels = 1u << 8,    // the options changed the volumes or the music switch
        PointerScale = 1u << 9,   // ... the pointer's sensitivity or the pitch's inversion
        FrameCap = 1u << 10,      // ... the frame cap
        Stats = 1u << 11,         // ... the statistics lines
        Redraw = 1u << 12,        // a standing screen changed: draw it again
        RestartClock = 1u << 13,  // the next frame is measured from now, not across the wait
        Steering = 1u << 15,      // ... the steering: the run takes it, or says when it will
    };
    unsigned what = 0;
    bool has(unsigned flag) const { return (what & flag) != 0; }
    ScreenEffects& operator|=(const ScreenEffects& o) {
        what |= o.what;
        return *this;
    }
    ScreenEffects& operator|=(unsigned flag) {
        what |= flag;
        return *this;
    }
};
