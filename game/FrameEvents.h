#pragma once

#include "entities/Vector3.h"

// What happened in one step of the game, for the sound, the overlays and the
// screens to follow: they learn of play from this, never by watching it.
struct FrameEvents {
    bool firstStep = false;         // the game's first: what was shown of another game is over
    unsigned shots = 0;             // the player's laser fired
    unsigned shotsStruck = 0;       // of those, shots that struck something
    bool bounced = false;           // the player's ship touched something and bounced
    unsigned playerHits = 0;        // the enemy's shots that struck the player
    Vector3 shooter;                // where the enemy stood when it fired (with playerHits)
    unsigned rocksDestroyed = 0;
    bool enemyDestroyed = false;    // paid, and sent back to a corner (or gone, in a wave)
    bool waveCleared = false;       // the wave's last ship destroyed: the bonus paid, the next wave in
    bool viewChanged = false;       // cockpit or outside view
    bool gameOver = false;          // power at zero or below after this step
};
