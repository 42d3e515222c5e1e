#include "Laser.h"

#include "EnemyShip.h"
#include "MyShip.h"
#include "assets/SolidShapes.h"
#include "world/World.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

float safeAcosDegrees(double cosine) {
    return static_cast<float>(std::acos(std::clamp(cosine, -1.0, 1.0)) * DEGREES_PER_RADIAN);
}

Laser::Laser() = default;

int Laser::fire(const SpaceObject* shooter, float width_, World* world_) {
    origin = shooter->getPosition();
    width = width_;
    world = world_;
    direction = shooter->getDirection();
    length = 0.0f;
    path = Line::fromPoints(origin, origin + direction);
    float best = 1000000.0f;
    int result = -1;
    for (unsigned i = 0; i < world->count(); ++i) {
        const SpaceObject* o = world->objectAt(i);
        if (o == shooter) continue;
        const Vector3 toward = o->getPosition() - origin;
        if (!(toward != Vector3(0, 0, 0))) continue;
        const float a = safeAcosDegrees(dot(toward.normalized(), shooter->getDirection()));
        if (!(a < 90.0f)) continue;   // only centres ahead of the shooter
        const float d = path.distanceToPoint(o->getPosition());
        if (o->getRadius() > d) {
            const float r = toward.length();
            if (r < best) {
                best = r;
                result = static_cast<int>(i);
            }
        }
    }
    return result;
}

Vector3 Laser::hitPoint(unsigned index) {
    const SpaceObject* o = world->objectAt(index);
    const Vector3 c = o->getPosition();
    const double radius = o->getRadius();
    const Vector3 oc = origin - c;
    const double a = 1.0;
    const double b = dot(direction * 2.0f, oc);
    const double cc = double(dot(oc, oc)) - radius * radius;
    const double disc = b * b - 4 * a * cc;
    double t1 = 0.0, t2 = 0.0;
    if (disc >= 0) {
        t1 = (-b + std::sqrt(disc)) / (2 * a);
        t2 = (-b - std::sqrt(disc)) / (2 * a);
    }
    const Vector3 p1 = origin + direction * static_cast<float>(t1);
    const Vector3 p2 = origin + direction * static_cast<float>(t2);
    const Vector3 chosen = distance(origin, p2) <= distance(origin, p1) ? p2 : p1;
    length = distance(origin, chosen);
    return chosen;
}

namespace {

void beam(float x, float y, float z, float angle, double radius, double height) {
    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(angle, 1.0f, 0.0f, 0.0f);
    glColor3f(1.0f, 0.0f, 0.0f);
    solidCylinder(radius, height);
    glColor3f(1.0f, 1.0f, 1.0f);
    glPopMatrix();
}

}

void Laser::draw(const SpaceObject* shooter) const {
    glEnable(GL_LIGHTING);
    glPushMatrix();
    const bool player = std::strcmp(shooter->getTypeName(), "MyShip") == 0;
    if (player) {
        glMultMatrixf(static_cast<const MyShip*>(shooter)->getFrame().m);
    } else {
        const EnemyShip* enemy = static_cast<const EnemyShip*>(shooter);
        Matrix4 m;
        m.setColumn(0, enemy->side(), 0.0f);
        m.setColumn(1, enemy->up(), 0.0f);
        m.setColumn(2, enemy->getDirection(), 0.0f);
        m.setColumn(3, enemy->getPosition(), 1.0f);
        glMultMatrixf(m.m);
    }
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
    if (!player) {
        const float r = shooter->getRadius();
        beam(0.0f, 0.0f, r / 2 + length, 90.5f, 0.1, double(r) + length);
    } else if (static_cast<const MyShip*>(shooter)->getOutsideView() == 0) {
        beam(1.3f, 0.5f, length, 90.0f, 0.1, length);
        beam(-1.7f, 0.5f, length, 90.0f, 0.1, length);
    } else {
        beam(-14.8f, 1.8f, length + 10, 90.0f, 0.3, length);
        beam(14.8f, 2.2f, length + 10, 90.0f, 0.3, length);
    }
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, ambient);
    glMaterialfv(GL_FRONT, GL_SPECULAR, ambient);
    glMaterialf(GL_FRONT, GL_SHININESS, 0.0f);
    glMaterialfv(GL_FRONT, GL_EMISSION, ambient);
    glPopMatrix();
}
