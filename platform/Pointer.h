#pragma once

// The mouse pointer of the game's window. In full screen, window coordinates
// equal screen coordinates.
class Pointer {
public:
    static void hide();
    static void show();   // the desktop's arrow
    static void moveTo(int x, int y);   // window pixels, origin top-left
};
