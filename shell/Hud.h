#pragma once

#include <string>

class MyShip;

// The painted cockpit, the crosshair, the head-up text and the game-over screen.
void drawCockpit();            // leaves a translation in the model-view matrix
// The cockpit picture again over a frame whose buffer was not kept: only the
// rectangles that hold cockpit pixels, and the model-view matrix as found.
void repaintCockpit();
void beginOverlay();           // picture pixels: (0, 0) top left, 1024 x 768 bottom right
void endOverlay();
void drawCrosshair();
void drawGameOverScreen(float points);   // and the kept best, when there is one
void drawSpeedAndPower(const MyShip& ship);   // and the points
void drawStats(const std::string& fpsText, int drawMode);   // the fps and draw-mode lines
void drawStatusLine(const std::string& text);   // a short line above the crosshair ("music 60%")
// The turn rates that keep acting, as a small marker off the crosshair's
// centre: where the view is heading. At the centre when flying straight.
void drawTurnMarker(float yawRate, float pitchRate);
// Every action with the keys this player's settings bind to it, over a dark panel.
void drawHelpOverlay();

// The draw-mode line for 0, 1 and 2.
const char* drawModeText(int mode);
