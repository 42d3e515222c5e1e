#include "Vector3.h"

#include <cmath>
#include <cstdlib>

float Vector3::length() const {
    if (state == Undefined) return 0.0f;
    if (state == Unit) return 1.0f;
    const double dx = x, dy = y, dz = z;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
}

void Vector3::normalize() {
    if (state != Defined) return;
    const double len = length();
    if (len >= 1e-8) {
        const double inv = 1.0 / len;
        x = static_cast<float>(x * inv);
        y = static_cast<float>(y * inv);
        z = static_cast<float>(z * inv);
    } else {
        // Also taken for NaN, which fails the comparison above.
        x = y = z = 0.0f;
    }
    state = Unit;
}

Vector3 Vector3::unitCopy() const {
    Vector3 copy = *this;
    copy.normalize();
    return copy;
}

Vector3 Vector3::normalized() const {
    const double dx = x, dy = y, dz = z;
    const double len = std::sqrt(dx * dx + dy * dy + dz * dz);
    // A zero direction means the caller lost track of geometry; the game's own
    // code keeps away from it, so reaching it is a programming error.
    if (len == 0.0) std::exit(99);
    return Vector3(static_cast<float>(dx / len), static_cast<float>(dy / len),
                   static_cast<float>(dz / len));
}

Vector3 Vector3::operator-(const Vector3& b) const {
    if (!isDefined() || !b.isDefined()) return Vector3();
    return Vector3(static_cast<float>(double(x) - b.x), static_cast<float>(double(y) - b.y),
                   static_cast<float>(double(z) - b.z));
}

Vector3 Vector3::operator+(const Vector3& b) const {
    if (!isDefined() || !b.isDefined()) return Vector3();
    return Vector3(static_cast<float>(double(x) + b.x), static_cast<float>(double(y) + b.y),
                   static_cast<float>(double(z) + b.z));
}

Vector3 Vector3::operator*(float s) const {
    if (!isDefined()) return Vector3();
    return Vector3(static_cast<float>(double(x) * s), static_cast<float>(double(y) * s),
                   static_cast<float>(double(z) * s));
}

bool Vector3::operator!=(const Vector3& b) const {
    return x != b.x || y != b.y || z != b.z;
}

float dot(const Vector3& a, const Vector3& b) {
    if (!a.isDefined() || !b.isDefined()) return 0.0f;
    return static_cast<float>(double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z);
}

Vector3 cross(const Vector3& a, const Vector3& b) {
    return Vector3(static_cast<float>(double(a.y) * b.z - double(a.z) * b.y),
                   static_cast<float>(double(a.z) * b.x - double(a.x) * b.z),
                   static_cast<float>(double(a.x) * b.y - double(a.y) * b.x));
}

float distance(const Vector3& a, const Vector3& b) {
    return (a - b).length();
}

Vector3 rotateAboutAxis(const Vector3& v, float angle, const Vector3& axis) {
    const double r = angle / DEGREES_PER_RADIAN;
    const double c = std::cos(r), s = std::sin(r), t = 1.0 - c;
    const double ax = axis.x, ay = axis.y, az = axis.z;
    const double x = v.x, y = v.y, z = v.z;
    const double rx = (t * ax * ax + c) * x + (t * ax * ay - s * az) * y + (t * ax * az + s * ay) * z;
    const double ry = (t * ax * ay + s * az) * x + (t * ay * ay + c) * y + (t * ay * az - s * ax) * z;
    const double rz = (t * ax * az - s * ay) * x + (t * ay * az + s * ax) * y + (t * az * az + c) * z;
    return Vector3(static_cast<float>(rx), static_cast<float>(ry), static_cast<float>(rz));
}
