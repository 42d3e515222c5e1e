#pragma once

#include "shell/hud/Overlay.h"
#include "recording/GhostTrack.h"

// The ghost of the best game: a small pale box about where its ship flies
// now while it is in view, and, in the scene, its ship as a translucent dart.
// It is drawn from the ghost's track alone and touches nothing in the game.
class GhostMark : public Overlay {
public:
    void draw(const HudFrame& frame) override;
    // The dart at the ghost's place, nose along its heading, in the current camera.
    static void drawShape(const GhostTrack::Sample& ghost);
    // Far enough from the player's eye to be drawn: where both games fly
    // alike (their start, above all) it would stand in the way of the view.
    static bool apart(const GhostTrack::Sample& ghost, const Vector3& eye);
};
