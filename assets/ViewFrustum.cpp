#include "ViewFrustum.h"

#include <GL/gl.h>

#include <cmath>

void ViewFrustum::calculate() {
    float projection[16], modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    calculateFrom(projection, modelview);
}

void ViewFrustum::calculateFrom(const float p[16], const float m[16]) {
    float c[16];
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            c[4 * i + j] = m[4 * i] * p[j] + m[4 * i + 1] * p[4 + j] + m[4 * i + 2] * p[8 + j] +
                           m[4 * i + 3] * p[12 + j];
        }
    }
    // Row 3 of the clip matrix plus or minus rows 0, 1 and 2.
    const int rows[6] = {0, 0, 1, 1, 2, 2};
    const float signs[6] = {-1.0f, 1.0f, 1.0f, -1.0f, -1.0f, 1.0f};
    for (int plane = 0; plane < 6; ++plane) {
        for (int k = 0; k < 4; ++k) planes[plane][k] = c[4 * k + 3] + signs[plane] * c[4 * k + rows[plane]];
        const float length = static_cast<float>(std::sqrt(planes[plane][0] * planes[plane][0] +
                                                          planes[plane][1] * planes[plane][1] +
                                                          planes[plane][2] * planes[plane][2]));
        for (float& value : planes[plane]) value /= length;
    }
}

bool ViewFrustum::sphereInFrustum(Vector3 centre, float radius) const {
    for (const auto& plane : planes) {
        if (plane[0] * centre.x + plane[1] * centre.y + plane[2] * centre.z + plane[3] <= -radius) return false;
    }
    return true;
}
