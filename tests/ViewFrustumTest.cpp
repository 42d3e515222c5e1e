// Guards culling: no rock drawn behind, beside or beyond the view, none dropped that reaches into it.
#include "assets/ViewFrustum.h"
#include "entities/Matrix4.h"

#include <gtest/gtest.h>

TEST(ViewFrustum, SpheresOutsideAreCulledAndSpheresReachingInAreKept) {
    // 90-degree perspective, square aspect, near 1, far 100 (as gluPerspective
    // builds it), with a camera at (0, 0, 10) looking down -z.
    Matrix4 projection;
    projection[0] = 1.0f;
    projection[5] = 1.0f;
    projection[10] = -101.0f / 99.0f;
    projection[11] = -1.0f;
    projection[14] = -200.0f / 99.0f;
    Matrix4 view = Matrix4::identity();
    view[14] = -10.0f;
    ViewFrustum frustum;
    frustum.calculateFrom(projection.m, view.m);
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
