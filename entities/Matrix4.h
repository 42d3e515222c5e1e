#pragma once

#include "Vector3.h"

// 16 floats in OpenGL's column-major order: row r, column c is element 4c + r,
// so a Matrix4 goes to glMultMatrixf unchanged. As an object's frame its columns
// are the side, up and forward axes and the position.
struct Matrix4 {
    float m[16] = {};   // all zero: a default Matrix4 is not the identity

    float& operator[](int i) { return m[i]; }
    float operator[](int i) const { return m[i]; }
    float at(int row, int column) const { return m[4 * column + row]; }

    Vector3 column(int c) const { return Vector3(m[4 * c], m[4 * c + 1], m[4 * c + 2]); }
    void setColumn(int c, const Vector3& v, float w);

    static Matrix4 identity();
    static Matrix4 yawRotation(double angle);     // Ry, radians: turns about the up axis
    static Matrix4 pitchRotation(double angle);   // Rx, radians: turns about the side axis
};

// A·B, element (r, c) = sum over k of A(r, k)·B(k, c).
Matrix4 multiply(const Matrix4& a, const Matrix4& b);
