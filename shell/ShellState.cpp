#include "ShellState.h"

int windowWidth = 0;
int windowHeight = 0;
Viewport viewport;
FrameClock frameClock;
Settings settings;
float pointerDivisor = 1000.0f;
int cockpitFrames = 0;
int renderMode = 0;
bool showStats = true;
bool flatShading = false;
bool radarShown = true;
bool unoptimisedFrames = false;
BmpRecord cockpitMask;
std::vector<uint8_t> cockpitStencil;
std::vector<PictureRect> cockpitPieces;
PictureRect cockpitWindow = {0, 0, 0, 0};
