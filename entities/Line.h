#pragma once

#include "Vector3.h"

// A point and a unit direction: the path of a laser, or an axis for distance tests.
struct Line {
    Vector3 point;
    Vector3 direction;   // Unit when the line is valid

    // Through p towards q; a Unit q is taken as the direction itself, not as a point.
    static Line fromPoints(const Vector3& p, const Vector3& q);
    static Line fromPointAndDirection(const Vector3& p, const Vector3& d);

    bool isValid() const { return direction.isUnit() && point.isDefined(); }
    float distanceToPoint(const Vector3& x) const;   // 0 for an invalid line or point
};
