#pragma once

#include "replay/Recording.h"

#include <string>
#include <vector>

class MyShip;

// Moves the pointer to the window's centre (halves rounded down).
void centerPointer();

// Toolkit input callbacks. Modifier keys change nothing.
void keyDown(unsigned char key, int x, int y);
void keyUp(unsigned char key, int x, int y);
void specialKeyDown(int key, int x, int y);
void specialKeyUp(int key, int x, int y);
void mouseButton(int button, int state, int x, int y);
void pointerDragged(int x, int y);
void pointerMoved(int x, int y);
void pointerEntry(int state);

// One shot of the player's laser: the nearest object on the beam loses energy
// and, if it survives, shows a hit explosion; the laser sound plays.
void fireShot();

// Game controllers: opened at start (silently none where SDL has no support),
// polled once a frame and while play stands still.
void openGamepad();
void pollGamepad();

// Input reaches the game as commands, applied at the start of the next frame
// of play: taken from the callbacks (and handed to a recording), or from a replay.
std::vector<Command> takeCommands();
void applyCommands(const std::vector<Command>& commands);
// A shot, as the fire button gives one.
void queueShot();

// Turns the ship by the held steering keys over `seconds` of play.
void steerByKeys(MyShip& ship, float seconds);
// Every steering key released and its part forgotten (a new game).
void forgetKeySteering();

// The short line a volume key shows for two seconds, or null.
const std::string* statusLine();
