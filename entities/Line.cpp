#include "Line.h"

Line Line::fromPoints(const Vector3& p, const Vector3& q) {
    Line line;
    line.point = p;
    line.direction = q.isUnit() ? q : (q - p).unitCopy();
    return line;
}

Line Line::fromPointAndDirection(const Vector3& p, const Vector3& d) {
    Line line;
    line.point = p;
    line.direction = d.unitCopy();
    return line;
}

float Line::distanceToPoint(const Vector3& x) const {
    if (!isValid() || !x.isDefined()) return 0.0f;
    const float t = dot(direction, x - point);
    const Vector3 foot = point + direction * t;
    return distance(x, foot);
}
