#pragma once

#include <cstdint>

#include <GL/gl.h>

#include "recording/GhostTrack.h"

#include <string>

struct FrameEvents;
class Font;
class FrameClock;
class Game;
struct Settings;
class View;

// What an overlay draws from: handed in by the frame, never looked up.
struct HudFrame {
    const Game& game;
    const View& view;
    const Settings& settings;
    const FrameClock& clock;
    Font* font;                   // null while there is none (tests that draw parts alone)
    GLuint cockpitTexture;        // the cockpit picture
    GLuint crosshairTexture;
    GLuint dialsTexture;          // the dials' faces without needles; 0 when their file is missing
    const std::string* status;    // the short line a volume key shows ("music 60%"), or null
    const FrameEvents& events;    // what the frame's step did
    uint32_t now;                 // the game clock in the frame, ms
    const GhostTrack::Sample* ghost = nullptr;   // the best game's ghost at this frame, or none
};

// One thing drawn over a frame of play. The head-up display calls every
// overlay in one fixed order, so the order of drawing is written in one place.
class Overlay {
public:
    virtual ~Overlay() = default;
    // The frame's logic, every frame of play whether the overlay is drawn
    // or not, before its view is kept for a screen: no drawing.
    virtual void update(const HudFrame&) {}
    virtual void draw(const HudFrame& frame) = 0;

    // Picture pixels over the viewport: (0, 0) top left, 1024 x 768 bottom right.
    static void begin();
    static void end();
    // The same for shapes in plain colours: no texture, depth test or
    // lighting, and colour material off so their colours stay out of the
    // rocks' material; the state as found after endFlat.
    static void beginFlat();
    static void endFlat();
    // A dark panel over the picture (picture pixels), for lines of text to read over anything.
    static void darkPanel(int x0, int y0, int x1, int y1, float alpha);
    // A texture added onto the picture, centred, `passes` times over.
    static void addAtCentre(GLuint texture, int halfWidth, int halfHeight, int passes = 1);
};
