#include "Matrix4.h"

#include <cmath>

void Matrix4::setColumn(int c, const Vector3& v, float w) {
    m[4 * c] = v.x;
    m[4 * c + 1] = v.y;
    m[4 * c + 2] = v.z;
    m[4 * c + 3] = w;
}

Matrix4 Matrix4::identity() {
    Matrix4 r;
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1.0f;
    return r;
}

Matrix4 Matrix4::yawRotation(double angle) {
    const float c = static_cast<float>(std::cos(angle)), s = static_cast<float>(std::sin(angle));
    Matrix4 r = identity();
    r.m[0] = c;
    r.m[2] = -s;
    r.m[8] = s;
    r.m[10] = c;
    return r;
}

Matrix4 Matrix4::pitchRotation(double angle) {
    const float c = static_cast<float>(std::cos(angle)), s = static_cast<float>(std::sin(angle));
    Matrix4 r = identity();
    r.m[5] = c;
    r.m[6] = s;
    r.m[9] = -s;
    r.m[10] = c;
    return r;
}

Matrix4 multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 r;
    for (int c = 0; c < 4; ++c) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += double(a.at(row, k)) * b.at(k, c);
            r.m[4 * c + row] = static_cast<float>(sum);
        }
    }
    return r;
}
