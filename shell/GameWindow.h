#pragma once

#include "shell/Scene.h"
#include "shell/frame/FrameLoop.h"
#include "shell/input/Controls.h"
#include "shell/replay/Replay.h"
#include "shell/screens/Screens.h"
#include "shell/view/PipelineWarmup.h"
#include "shell/view/View.h"

// What runs the window: the scene, the view, input, the replay, the screens
// and the frame loop, made once in main and handed to each other here. The
// toolkit's callbacks reach it through one pointer. Each frame is written
// out in play() in the order the game is made of; what a screen asks for is
// carried out in one place, carryOut().
class GameWindow {
public:
    GameWindow();
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // The window the toolkit's callbacks reach: the one made last, or null.
    static GameWindow* reached();
    // Hands every toolkit callback to this window.
    void registerCallbacks();

    // The display callback's work: one frame of play, or the screen showing.
    void display();
    // The idle callback's work: the next frame, or a short wait while play stands still.
    void idle();
    // The window is now this size.
    void reshape(int width, int height);
    // One frame of play: input, the game's step, drawing, the head-up
    // display, the end-of-game test, the swap.
    void play();

    // The screens decide what the event does; it is carried out here.
    void screenEvent(ScreenEvent event);
    // The program opens on the start screen rather than in play.
    void openOnStart();
    // The start screen's next mode: its game built at once, and kept as the
    // last chosen; not in a recording, a replay or a challenge, whose mode is the file's.
    void nextMode();
    // A new game is built, its ghost made ready before it and told of it after.
    void buildGame();
    // Everything the screens asked for, in its order; `cause` tells a
    // signal's end from another.
    void carryOut(const ScreenEffects& effects, ScreenEvent cause);

    // The toolkit's input, as its callbacks bring it: first to the screens
    // that take it (the options take every key while they show), then to
    // the controls; what the controls ask of the screens is done here.
    void key(Key key, bool pressed);
    void keyDown(unsigned char key);
    void mouseButton(int button, int state, int x, int y);
    void pointerMoved(int x, int y);
    // The game controller: the stick steers; its buttons choose on the
    // options, and pause, begin, help and fire elsewhere.
    void pollGamepad();

    Scene scene;
    View view;
    Controls controls;
    Replay replay;
    Screens screens;
    FrameLoop frames;
    PipelineWarmup warmup;

private:
    // The options took the key (their effects carried out).
    bool takesKey(Key key);
    bool takesPadKey(Key key);
    // The key does what the window does on every screen (a screenshot, the
    // steering switched): done, and true.
    bool takesWindowKey(Key key);
    // The steering the settings now say, for the run: at once before its
    // first frame of play (the first game made again with it), else from its
    // next game; a recorded or replayed run keeps the one its file says. What
    // to tell the player, or "" when the start screen shows it at once.
    std::string chooseSteering();
    // A picture is about to be shown: the screenshot asked for is taken, and
    // the status line says what became of it.
    void takeScreenshot();
    // The status line over a standing screen or the game-over screen.
    void drawStatus();
    // Shows the frame of play (or the game-over screen's picture), a capture taken first.
    void show(bool ofPlay);
    // A standing screen or the game-over screen, drawn and shown.
    void drawScreen();
    // The start screen's first picture: its words alone, on black, shown
    // before anything they do not need is loaded; what the screen stands on
    // (the cockpit picture, the sky, the mask's stencil) is made ready after
    // it, for the start screen drawn whole right away.
    void showFirstPicture();
    // The cockpit picture, the sky and the mask's stencil, if the start
    // screen's first picture was shown without them.
    void buildBackdrop();
    // The scene built whole and the game controller opened, if the start
    // screen's first picture was shown without them; signals honoured from then on.
    void finishLoading();

    bool statusShown = false;   // a standing screen shows the status line: drawn again once it is gone
};

// The toolkit's callbacks, each handed to the window reached.
void displayFrame();
void idleFrame();
void reshape(int width, int height);
void keyDown(unsigned char key, int x, int y);
void keyUp(unsigned char key, int x, int y);
void specialKeyDown(int key, int x, int y);
void specialKeyUp(int key, int x, int y);
void mouseButton(int button, int state, int x, int y);
void pointerDragged(int x, int y);
void pointerMoved(int x, int y);
void pointerEntry(int state);
