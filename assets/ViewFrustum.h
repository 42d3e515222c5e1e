#pragma once

#include "entities/Vector3.h"

// The six clipping planes of the current view, for culling bounding spheres.
// Plane order: 0 right, 1 left, 2 bottom, 3 top, 4 far, 5 near. A point is on the
// inner side when a x + b y + c z + d > 0; (a, b, c) is of unit length, so the sum
// is a signed distance in world units.
class ViewFrustum {
public:
    // From OpenGL's current projection and model-view matrices; the model-view
    // matrix must hold only the camera.
    void calculate();
    // The same from column-major matrices given directly.
    void calculateFrom(const float projection[16], const float modelview[16]);
    // False only when the sphere lies wholly outside some plane; touching counts as inside.
    bool sphereInFrustum(Vector3 centre, float radius) const;

    float planes[6][4] = {};
};
