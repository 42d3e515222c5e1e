#pragma once

#include <cstdint>

// How much is known about a vector: nothing, a value, or a value of length 1.
enum VectorState : int32_t { Undefined = 0, Defined = 1, Unit = 2 };

constexpr double DEGREES_PER_RADIAN = 57.29577951;

// Three floats that carry their own validity. Arithmetic on an Undefined operand
// never fails: it yields Undefined vectors and zero lengths, so callers can chain
// operations and test once at the end. Intermediates are computed in double.
struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    VectorState state = Undefined;

    Vector3() = default;
    Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_), state(Defined) {}

    bool isUnit() const { return state == Unit; }
    bool isDefined() const { return state != Undefined; }

    float length() const;         // 1.0 for Unit vectors without computing it
    void normalize();             // in place; shorter than 1e-8 becomes the zero vector
    Vector3 unitCopy() const;     // a copy with normalize applied
    Vector3 normalized() const;   // Defined, not Unit; ends the process (status 99) at length 0

    Vector3 operator-(const Vector3& b) const;
    Vector3 operator+(const Vector3& b) const;
    Vector3 operator*(float s) const;
    bool operator!=(const Vector3& b) const;   // exact comparison of x, y, z; state ignored
};

float dot(const Vector3& a, const Vector3& b);          // 0 when either is Undefined
Vector3 cross(const Vector3& a, const Vector3& b);      // states not looked at
float distance(const Vector3& a, const Vector3& b);     // 0 when either is Undefined

// v turned by angle (degrees) about axis, which must be of unit length.
Vector3 rotateAboutAxis(const Vector3& v, float angle, const Vector3& axis);
