#include "GameWindow.h"

#include "game/Game.h"
#include "timing/FrameStats.h"
#include "shell/view/Display.h"
#include "assets/TextureBank.h"
#include "entities/MyShip.h"
#include "platform/BestScore.h"
#include "platform/ErrorReport.h"
#include "platform/GameDisplay.h"
#include "platform/Pointer.h"
#include "platform/SwapInterval.h"
#include "platform/TerminationSignal.h"
#include "shell/hud/Overlay.h"
#include "assets/Font.h"
#include "world/World.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace {

// The one pointer the toolkit's callbacks reach the window by.
GameWindow* reachedWindow = nullptr;

}

GameWindow::GameWindow()
    : controls(scene, view), screens(scene, view, controls.settings()), frames(scene, view),
      warmup(scene, view, frames, controls) {
    reachedWindow = this;
}

GameWindow::~GameWindow() {
    if (reachedWindow == this) reachedWindow = nullptr;
}

GameWindow* GameWindow::reached() {
    return reachedWindow;
}

void GameWindow::screenEvent(ScreenEvent event) {
    carryOut(screens.handle(event), event);
}

void GameWindow::openOnStart() {
    carryOut(screens.openOnStart(), ScreenEvent::EnterKey);
}

void GameWindow::carryOut(const ScreenEffects& effects, ScreenEvent cause) {
    using E = ScreenEffects;
    if (effects.has(E::Quit)) {
        const int recorded = replay.close(scene.game);   // its last hash; status 4 when any of it failed
        GameDisplay::leaveGameMode();
        std::exit(cause == ScreenEvent::Signal ? 128 + TerminationSignal::received() : recorded);
    }
    if (effects.has(E::Fire)) controls.queueShot();   // fired in the next frame of play
    if (effects.has(E::NewGame)) {
        replay.newGame();
        buildGame();   // built while the clock stands still
    }
    if (effects.has(E::SaveSettings)) {
        const std::string warning = controls.saveSettings();   // said the first time only
        if (!warning.empty()) reportWarning(warning);
    }
    if (effects.has(E::StopClock)) frames.clock.stop();
    if (effects.has(E::OfferBest)) {
        scene.gameOver();
        if (scene.scorePlace == 0) replay.keepBest(scene.rules.mode);   // the next games' ghost
    }
    if (effects.has(E::ShowPointer)) Pointer::show();
    if (effects.has(E::PlayBegins) && frames.stats) frames.stats->playBegins();
    if (effects.has(E::HidePointer)) {
        Pointer::hide();
        controls.centerPointer();
    }
    if (effects.has(E::PlayBegins)) view.cockpit.lost();   // the screen painted over the cockpit picture
    const Settings& settings = controls.settings();
    if (effects.has(E::SoundLevels)) controls.applySoundLevels();   // heard while choosing
    if (effects.has(E::PointerScale)) controls.apply(Settings(settings));
    if (effects.has(E::FrameCap)) {
        frames.clock.pacer().setEnabled(settings.frameCap);
        SwapInterval::holdTo(settings.frameCap ? frames.clock.pacer().framesPerSecond() : 0.0);
    }
    if (effects.has(E::Stats)) view.options.showStats = settings.showStats;
    if (effects.has(E::Steering)) screens.sayOnOptions(chooseSteering());
    if (effects.has(E::Redraw)) glutPostRedisplay();
    if (effects.has(E::RestartClock)) frames.clock.restart();
}

void GameWindow::buildGame() {
    replay.prepareGhost(scene.rules.mode);
    scene.startNewGame();
    replay.gameBuilt(*scene.game);
}

void GameWindow::nextMode() {
    if (replay.mode() != Replay::Mode::Off || replay.ghost.challenged()) return;
    Settings& settings = controls.settings();
    settings.mode = Mode((uint8_t(settings.mode) + 1) % uint8_t(Mode::Count));
    scene.chooseMode(settings.mode);
    buildGame();
    glutPostRedisplay();
}

bool GameWindow::takesKey(Key key) {
    ScreenEffects effects;
    const bool taken = screens.takesKey(key, effects);
    carryOut(effects, ScreenEvent::EscapeKey);
    return taken;
}

bool GameWindow::takesPadKey(Key key) {
    ScreenEffects effects;
    const bool taken = screens.takesPadKey(key, effects);
    carryOut(effects, ScreenEvent::EscapeKey);
    return taken;
}

std::string GameWindow::chooseSteering() {
    GameRules rules = scene.rules;
    rules.steering = controls.settings().steering;
    const std::string name = std::string("steering: ") + Settings::steeringName(rules.steering);
    const bool begun = scene.game && scene.game->begun();
    // A replay plays by its file's rules, and a recorded run by its header's.
    if (begun && replay.mode() == Replay::Mode::Recording) return name + " from the next start";
    if (!replay.setRules(rules)) return name + " from the next start";
    scene.rules = rules;
    if (!begun) {
        buildGame();   // before play begins, as a new mode is: the start screen says it
        return "";
    }
    return scene.game->rules != rules ? name + " from the next game" : name;
}

bool GameWindow::takesWindowKey(Key k) {
    Settings& settings = controls.settings();
    switch (settings.keys.actionOf(k)) {
    case Action::Screenshot: view.screenshot.ask(); break;
    case Action::SwitchSteering: {
        settings.steering = settings.steering == Steering::Aim ? Steering::Rates : Steering::Aim;
        const std::string note = chooseSteering();
        if (!note.empty()) controls.showStatus(note);
        break;
    }
    default: return false;
    }
    glutPostRedisplay();   // a standing screen is drawn again: for the picture, or to say it
    return true;
}

void GameWindow::takeScreenshot() {
    const std::string said = view.screenshot.beforeSwap(view.width(), view.height());
    if (said.empty()) return;
    controls.showStatus(said);
    if (said.compare(0, 6, "saved ") != 0) reportWarning(said);
    if (screens.stands()) glutPostRedisplay();   // to say it
}

void GameWindow::drawStatus() {
    const std::string* status = controls.statusLine();
    statusShown = status != nullptr;
    if (!status || !scene.font) return;
    // Low on the picture, clear of the screens' own lines; never into the cockpit mask's stencil.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_STENCIL_TEST);
    const int half = 5 * int(status->size());   // font units: 640 x 480, glyphs 10 wide
    Overlay::darkPanel((314 - half) * 8 / 5, 768 - 40 * 8 / 5, (326 + half) * 8 / 5, 768 - 12 * 8 / 5, 0.8f);
    scene.font->print(320 - half, 18, *status, 0);
    glPopAttrib();
}

void GameWindow::key(Key k, bool pressed) {
    if (pressed) {
        k = controls.heldName(k);
        if (k == '\t' && screens.current() == Screen::Start) return nextMode();
        if (takesKey(k)) return controls.holdForScreens(k);
        if (takesWindowKey(k)) return controls.holdForScreens(k);
        // Escape always closes the help, whatever Quit is bound to.
        if (k == ESCAPE && screens.current() == Screen::Help) return screenEvent(ScreenEvent::EscapeKey);
    }
    if (const std::optional<ScreenEvent> event = controls.key(k, pressed, screens.playing())) screenEvent(*event);
}

void GameWindow::pollGamepad() {
    const PadCommand command = controls.pollGamepad(screens.playing());
    if (screens.current() == Screen::Options) {
        // The arrows, Enter (A) and Escape (B) of the options; nothing of play.
        const Key arrows[] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT};
        const bool pushed[] = {command.up, command.down, command.left, command.right};
        for (int i = 0; i < 4; ++i) if (pushed[i]) takesPadKey(arrows[i]);
        if (command.fire) takesPadKey(ENTER);
        if (command.cancel) takesPadKey(ESCAPE);
        else if (command.options) screenEvent(ScreenEvent::OptionsKey);
        return;
    }
    if (command.fire) screenEvent(ScreenEvent::Click);
    // Start pauses and goes on; it begins, and plays again, where Enter would.
    const bool begins = screens.current() == Screen::GameOver || screens.current() == Screen::Start;
    if (command.start && !begins) screenEvent(ScreenEvent::PauseKey);
    if (command.start && begins && !replay.replaying()) screenEvent(ScreenEvent::EnterKey);
    if (command.back) screenEvent(ScreenEvent::HelpKey);
    if (command.options) screenEvent(ScreenEvent::OptionsKey);
    if (command.cancel && screens.current() == Screen::Help) screenEvent(ScreenEvent::EscapeKey);
    controls.throttle(command.throttle, screens.playing());
}

void GameWindow::display() {
    if (TerminationSignal::received()) screenEvent(ScreenEvent::Signal);
    pollGamepad();
    if (replay.step(screens.stands(), screens.current() == Screen::GameOver) == Replay::Met::NewGame)
        screenEvent(ScreenEvent::EnterKey);   // as the file's player pressed it
    if (replay.ended()) return;   // a test's replay that has played to its end
    if (screens.playing()) play();
    else drawScreen();
}

void GameWindow::idle() {
    pollGamepad();
    if (replay.step(screens.stands(), screens.current() == Screen::GameOver) == Replay::Met::NewGame)
        screenEvent(ScreenEvent::EnterKey);
    if (replay.ended()) return;
    if (TerminationSignal::received()) screenEvent(ScreenEvent::Signal);
    if (!screens.stands()) {
        if (screens.playing()) play();
        else drawScreen();
        return;
    }
    // The status line's two seconds are over: the screen without it.
    if (statusShown && !controls.statusLine()) {
        statusShown = false;
        glutPostRedisplay();
    }
    // Nothing changes while play stands still: wait a little instead of drawing.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

void GameWindow::reshape(int width, int height) {
    // The stencil masks what shows behind the cockpit: before the start
    // screen's backdrop there is nothing to mask.
    fitView(view, width, height, !scene.firstPictureOnly());
    // The first comes at start-up, or once the start screen's picture is shown.
    if (scene.game) screens.prepareKeptFrame();
    screenEvent(ScreenEvent::Resize);
}

void GameWindow::buildBackdrop() {
    if (!scene.firstPictureOnly()) return;
    scene.buildBackdrop();
    fillStencil(view);
}

void GameWindow::finishLoading() {
    if (scene.game) return;
    buildBackdrop();
    scene.finishBuilding();
    replay.gameBuilt(*scene.game);
    screens.prepareKeptFrame();
    controls.openGamepad();
    TerminationSignal::loaded();
}

void GameWindow::show(bool ofPlay) {
    replay.capture.shown(replay.frames(), view.width(), view.height());
    takeScreenshot();
    frames.show(ofPlay);
}

void GameWindow::showFirstPicture() {
    // Nothing was drawn yet, and the backdrop comes in the next picture: the
    // words stand on black.
    glClear(GL_COLOR_BUFFER_BIT);
    screens.drawStartWords();
    drawStatus();
    glutSwapBuffers();
    if (frames.stats) frames.stats->pictureShown();
    buildBackdrop();
}

void GameWindow::drawScreen() {
    if (screens.current() == Screen::Back) return;
    // A screen asked for before the start screen's first picture needs it all.
    if (screens.current() != Screen::Start) finishLoading();
    // Words that can be read come first; the whole screen follows at once.
    if (scene.firstPictureOnly()) showFirstPicture();
    // Before the first game the cockpit stands behind, as the game stands.
    if (screens.beforeFirstGame()) frames.drawStill();
    screens.draw(scene.game ? scene.game->myShip->getPoints() : 0.0f);
    drawStatus();
    if (screens.current() != Screen::GameOver) takeScreenshot();   // the game-over screen's in show()
    switch (screens.current()) {
    case Screen::Start:
        glutSwapBuffers();
        if (frames.stats) frames.stats->pictureShown();
        // While the player reads: what the picture did not need, then the pipelines of play.
        finishLoading();
        warmup.afterPicture();
        break;
    case Screen::GameOver: show(false); break;   // paced like play
    default: glutSwapBuffers(); break;
    }
}

// One frame, in the order the game is made of: input, the game's step,
// drawing, the head-up display, the end-of-game test, the swap.
void GameWindow::play() {
    // Back from a stall (a stopped process, a machine that slept): the time
    // away is not flown.
    if (!replay.replaying() && frames.clock.stalled()) screenEvent(ScreenEvent::ClockStall);
    finishLoading();   // play begun before the start screen's first picture was shown
    // The frame's input, game clock and frame time: the player's, or a replay's.
    uint32_t now = 0;
    const InputRecord input = replay.beginFrame(controls.takeRecord(), frames.clock, now);
    const float frameTime = frames.clock.frameTime();
    Game& game = *scene.game;
    const double start = frames.stamp();
    const FrameEvents events = game.step(input, frameTime, now);
    double logic = frames.stamp() - start;
    controls.applyDrawKeys(input);
    if (events.viewChanged && game.myShip->getOutsideView() == 0) view.cockpit.lost();   // paint the cockpit again
    // The hit heard: feedback, like the flash, that the settings may switch off.
    if (controls.settings().hitFlash)
        for (unsigned i = 0; i < events.shotsStruck; ++i) game.world->playHitSound();
    controls.centerPointer();
    frames.draw(game, now, replay.ghost.now(now));
    const double mark = frames.stamp();
    const HudFrame overlays = {game,
                               view,
                               controls.settings(),
                               frames.clock,
                               scene.font,
                               scene.textures->slots[6],
                               scene.textures->slots[8],
                               scene.textures->slots[7],
                               controls.statusLine(),
                               events,
                               now,
                               replay.ghost.now(now)};
    frames.hud.update(overlays);
    logic += frames.stamp() - mark;
    // The game ends with this frame: its view, before the crosshair and the
    // head-up lines, stays behind the game-over screen.
    if (events.gameOver) screens.keepView();
    glDisable(GL_SCISSOR_TEST);
    frames.clock.updateFrameRate();
    frames.hud.draw(overlays);
    // The end of the game, or of a frame that a pause was asked for in.
    screenEvent(events.gameOver ? ScreenEvent::PowerGone : ScreenEvent::FrameDrawn);
    replay.endFrame(game);
    if (frames.split) {
        frames.split->logic = logic;
        frames.split->submit = frames.stamp() - start - logic;
    }
    show(true);
}

void GameWindow::keyDown(unsigned char k) {
    if (k != ENTER) return key(k, true);
    // Enter plays again, and is not bindable; a replay plays its own games again.
    if (!takesKey(ENTER) && !replay.replaying()) screenEvent(ScreenEvent::EnterKey);
}

void GameWindow::mouseButton(int button, int state, int x, int y) {
    ScreenEffects effects;
    const bool taken = state == GLUT_DOWN && screens.takesClick(button, x, y, effects);
    carryOut(effects, ScreenEvent::Click);
    if (taken) return;
    if (scene.game) key(BUTTON + button, state == GLUT_DOWN);
}

void GameWindow::pointerMoved(int x, int y) {
    ScreenEffects effects;
    const bool taken = screens.takesPointer(x, y, effects);
    carryOut(effects, ScreenEvent::Click);
    // The pointer is the desktop's while play stands.
    if (!taken && screens.playing()) controls.pointerAt(x, y);
}

void GameWindow::registerCallbacks() {
    reachedWindow = this;
    glutKeyboardFunc(::keyDown);
    glutKeyboardUpFunc(keyUp);
    glutSpecialFunc(specialKeyDown);
    glutSpecialUpFunc(specialKeyUp);
    glutMouseFunc(::mouseButton);
    glutMotionFunc(pointerDragged);
    glutPassiveMotionFunc(::pointerMoved);
    glutEntryFunc(pointerEntry);
    // Closed by the window manager, the game ends as by Escape: the recording
    // gets its last hash, and the exit status says whether it was written.
    // The toolkit's own clean-up at exit closes the window too; registered
    // after the toolkit's, this runs first and keeps that close from quitting
    // again with another status.
    glutCloseFunc([] {
        if (reachedWindow) reachedWindow->screenEvent(ScreenEvent::WindowClosed);
    });
    std::atexit([] {
        if (reachedWindow) reachedWindow->screens.ending();
    });
    // Auto-repeat stays on: holding a throttle key keeps changing the speed.
    glutIgnoreKeyRepeat(0);
    glutDisplayFunc(displayFrame);
    // Between events the next frame is drawn at once, except while paused.
    glutIdleFunc(idleFrame);
    glutReshapeFunc(::reshape);
}

void displayFrame() {
    if (reachedWindow) reachedWindow->display();
}

void idleFrame() {
    if (reachedWindow) reachedWindow->idle();
}

void reshape(int width, int height) {
    if (reachedWindow) reachedWindow->reshape(width, height);
}

void keyDown(unsigned char key, int, int) {
    if (reachedWindow) reachedWindow->keyDown(key);
}

void keyUp(unsigned char key, int, int) {
    if (reachedWindow) reachedWindow->key(key, false);
}

void specialKeyDown(int key, int, int) {
    if (reachedWindow) reachedWindow->key(SPECIAL + key, true);
}

void specialKeyUp(int key, int, int) {
    if (reachedWindow) reachedWindow->key(SPECIAL + key, false);
}

void mouseButton(int button, int state, int x, int y) {
    if (reachedWindow) reachedWindow->mouseButton(button, state, x, y);
}

void pointerDragged(int, int) {}

void pointerMoved(int x, int y) {
    if (reachedWindow) reachedWindow->pointerMoved(x, y);
}

void pointerEntry(int state) {
    // Keys released outside the window never reach it: let go of them all.
    if (state == GLUT_LEFT && reachedWindow) reachedWindow->controls.releaseAll();
}
