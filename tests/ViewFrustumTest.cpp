// Guards culling: no rock drawn behind, beside or beyond the view, none dropped that reaches into it.
#include "assets/ViewFrustum.h"

#include <gtest/gtest.h>

TEST(ViewFrustum, SpheresOutsideAreCulledAndSpheresReachingInAreKept) {
    // 90-degree perspective, square aspect, near 1, far 100 (as gluPerspective
    // builds it, column by column), with a camera at (0, 0, 10) looking down -z.
    const float projection[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -101.0f / 99.0f, -1, 0, 0, -200.0f / 99.0f, 0};
    const float view[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -10, 1};
    ViewFrustum frustum;
    frustum.calculateFrom(projection, view);
    struct Case {
        Vector3 centre;
        float radius;
        bool visible;
    } cases[] = {
        {Vector3(0, 0, 0), 1.0f, true},        // straight ahead
        {Vector3(0, 0, 20), 1.0f, false},      // behind the camera
        {Vector3(0, 0, 9.5f), 1.0f, true},     // reaches past the near plane
        {Vector3(30, 0, 0), 1.0f, false},      // right of a 45-degree edge at distance 10
        {Vector3(10.5f, 0, 0), 1.0f, true},    // crossing that edge: the planes' distances are true lengths
        {Vector3(0, -30, 0), 5.0f, false},
        {Vector3(0, 0, -95), 1.0f, false},     // beyond the far plane at z = -90
        {Vector3(0, 0, -90.5f), 1.0f, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frustum.sphereInFrustum(c.centre, c.radius), c.visible)
            << c.centre.x << ", " << c.centre.y << ", " << c.centre.z;
    }
}
