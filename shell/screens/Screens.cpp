#include "Screens.h"

#include "game/Game.h"
#include "shell/Scene.h"
#include "shell/screens/ScreenFrame.h"
#include "shell/view/View.h"
#include "assets/TextureBank.h"
#include "settings/Settings.h"

#include <GL/gl.h>

Screens::Screens(const Scene& s, const View& v, Settings& changed) : scene(s), view(v), settings(changed) {}

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

ScreenEffects Screens::handle(ScreenEvent event) {
    ScreenStep step = decide(screen, event);
    ScreenEffects effects;
    switch (step.action) {
    case ScreenAction::Quit:
        // Leaving destroys the window, which calls the close callback again
        // from inside exit: that second quit must not run.
        if (leaving) return effects;
        leaving = true;
        effects |= ScreenEffects::Quit;
        return effects;
    case ScreenAction::Fire: effects |= ScreenEffects::Fire; break;
    case ScreenAction::NewGame: effects |= ScreenEffects::NewGame; break;
    case ScreenAction::Redraw: effects |= ScreenEffects::Redraw; break;
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
        options.open(settings);
    }
    if (step.next != screen || step.restartsClock) effects |= change(step.next, step.restartsClock);
    return effects;
}

ScreenEffects Screens::openOnStart() {
    screen = Screen::Start;
    under.clear();
    ScreenEffects effects;
    effects |= ScreenEffects::StopClock | ScreenEffects::ShowPointer;
    return effects;
}

ScreenEffects Screens::change(Screen to, bool restartsClock) {
    const Screen from = screen;
    screen = to;
    const bool stood = stands(from);
    ScreenEffects effects;
    // What the player chose is kept at once, not only at a clean exit.
    if (from == Screen::Options && to != Screen::Options) effects |= ScreenEffects::SaveSettings;
    if ((to == Screen::Paused || to == Screen::Help || to == Screen::Options) && !stood) {
        // The frame just drawn, not yet shown: only the back buffer is sure to hold it.
        kept.capture(view.viewport());
        effects |= ScreenEffects::StopClock | ScreenEffects::ShowPointer | ScreenEffects::Redraw;
    } else if (stands()) {
        effects |= ScreenEffects::Redraw;   // over what the screen stands on
    } else if (to == Screen::GameOver && from != Screen::GameOver) {
        effects |= ScreenEffects::StopClock | ScreenEffects::OfferBest;
    } else if (to == Screen::Playing && (stood || from == Screen::GameOver)) {
        kept.forget();
        under.clear();
        effects |= ScreenEffects::PlayBegins;
        // Back from a standing screen the pointer is play's again; its own
        // motion event is ignored, and the turn rates stay as they were.
        if (from != Screen::GameOver) effects |= ScreenEffects::HidePointer;
    }
    if (restartsClock) effects |= ScreenEffects::RestartClock;
    return effects;
}

bool Screens::takesKey(Key key, ScreenEffects& effects) {
    if (screen != Screen::Options || !options.isOpen()) return false;
    OptionsMenu& menu = options.menu();
    // The options key closes them too, unless it is the key being bound.
    const bool closes = !menu.waitingForKey() && key != ESCAPE && settings.keys.actionOf(key) == Action::Options;
    effects |= takeEffect(menu.press(closes ? ESCAPE : key));
    return true;
}

bool Screens::takesPadKey(Key key, ScreenEffects& effects) {
    if (screen != Screen::Options || !options.isOpen()) return false;
    effects |= takeEffect(options.menu().navigate(key));
    return true;
}

bool Screens::takesClick(Key button, int x, int y, ScreenEffects& effects) {
    if (screen != Screen::Options || !options.isOpen()) return false;
    OptionsMenu& menu = options.menu();
    static const Key up = KeyBindings::keyNamed("up"), down = KeyBindings::keyNamed("down"),
                     left = KeyBindings::keyNamed("left"), right = KeyBindings::keyNamed("right");
    const int wheelUp = 3, wheelDown = 4, leftButton = 0, rightButton = 2;
    // A button pressed while a key is asked for is the key.
    if (menu.waitingForKey()) return takesKey(BUTTON + button, effects);
    if (button == wheelUp || button == wheelDown) return takesKey(button == wheelUp ? up : down, effects);
    if (button != leftButton && button != rightButton) return true;
    if (!chooseAt(x, y)) return true;
    // The left button takes the next value, the right one the value before;
    // an entry with no values (the keys page, a key, back) opens as Enter would.
    unsigned changed = menu.onKeysPage() ? OptionsMenu::Nothing : menu.press(button == leftButton ? right : left);
    if (changed == OptionsMenu::Nothing && button == leftButton) changed = menu.press(ENTER);
    effects |= takeEffect(changed);
    return true;
}

bool Screens::takesPointer(int x, int y, ScreenEffects& effects) {
    if (screen != Screen::Options || !options.isOpen()) return false;
    OptionsMenu& menu = options.menu();
    const size_t was = menu.chosen();
    if (!menu.waitingForKey() && chooseAt(x, y) && menu.chosen() != was) effects |= ScreenEffects::Redraw;
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

ScreenEffects Screens::takeEffect(unsigned changed) {
    ScreenEffects effects;
    if (changed & OptionsMenu::Sound) effects |= ScreenEffects::SoundLevels;   // heard while choosing
    if (changed & OptionsMenu::Pointer) effects |= ScreenEffects::PointerScale;
    if (changed & OptionsMenu::FrameCap) effects |= ScreenEffects::FrameCap;
    if (changed & OptionsMenu::Stats) effects |= ScreenEffects::Stats;
    if (changed & OptionsMenu::Steering) effects |= ScreenEffects::Steering;
    // The window is made once, as the game starts: a new one would lose the textures and lists.
    if (changed & OptionsMenu::Display) options.menu().say("window or full screen: from the next start");
    if (changed & OptionsMenu::Closed) effects |= handle(ScreenEvent::EscapeKey);
    else effects |= ScreenEffects::Redraw;
    return effects;
}

void Screens::sayOnOptions(const std::string& text) {
    if (options.isOpen()) options.menu().say(text);
}

void Screens::keepView() {
    kept.capture(view.viewport());
}

void Screens::prepareKeptFrame() {
    kept.prepare(view.viewport());
}

void Screens::reset() {
    screen = Screen::Playing;
    under.clear();
    kept.forget();
}

bool Screens::beforeFirstGame() const {
    return screen == Screen::Start || (!under.empty() && under.front() == Screen::Start);
}

template <class Picture> void Screens::drawOver(const Picture& picture, float points) const {
    if (!beforeFirstGame()) kept.draw(view.viewport());
    // A screen's picture is no part of the cockpit mask: nothing it draws
    // may mark the stencil, or it would stay as a dark shape once play goes on.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_STENCIL_TEST);
    const Game* game = scene.game;
    const ScreenFrame frame = {settings, scene.font, scene.bestScore, points,
                               scene.textures ? scene.textures->slots[9] : 0u,
                               game && game->hasWaves() ? game->waves.number() : 0u,
                               scene.scores.get(), scene.scorePlace, scene.rules.mode == Mode::Daily,
                               challengePoints};
    picture.draw(frame);
    glPopAttrib();
}

void Screens::drawStartWords() const {
    struct Words {
        const StartScreen& screen;
        void draw(const ScreenFrame& frame) const { screen.drawWords(frame); }
    };
    drawOver(Words{start}, 0.0f);
}

void Screens::draw(float points) const {
    switch (screen) {
    case Screen::Start: drawOver(start, points); break;
    case Screen::Paused: drawOver(pause, points); break;
    case Screen::Help: drawOver(help, points); break;
    case Screen::Options: drawOver(options, points); break;
    // The last view of the game, without its crosshair and head-up lines.
    case Screen::GameOver: drawOver(over, points); break;
    default: break;
    }
}
