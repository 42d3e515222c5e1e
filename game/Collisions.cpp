#include "Collisions.h"

#include "entities/Line.h"
#include "entities/MyShip.h"
#include "world/World.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// What the sweep reads of each object, read once per pass rather than once
// per pair (each read is a virtual call, and pairs grow with the square).
struct Body {
    Vector3 previous;
    Vector3 direction;
    float radius;
    double x, y, z;    // the previous position again, for the distance test
    double drift;      // |direction|, how far the sweep can move per unit of time
    bool exact;        // position and direction defined: the distance test applies
};

}

Contact findEarliestContact(const World& world, double span) {
    Contact contact;
    const double step = span / 150.0;
    const unsigned n = world.count();
    static std::vector<Body> bodies;
    bodies.clear();
    for (unsigned i = 0; i < n; ++i) {
        const SpaceObject* o = world.objectAt(i);
        Body b;
        b.previous = o->getPreviousPosition();
        b.direction = o->getDirection();
        b.radius = o->getRadius();
        b.x = b.previous.x;
        b.y = b.previous.y;
        b.z = b.previous.z;
        const Vector3& d = b.direction;
        b.drift = std::sqrt(double(d.x) * d.x + double(d.y) * d.y + double(d.z) * d.z);
        b.exact = b.previous.isDefined() && d.isDefined();
        bodies.push_back(b);
    }
    for (unsigned i = 0; i + 1 < n; ++i) {
        const Body& a = bodies[i];
        for (unsigned j = i + 1; j < n; ++j) {
            const Body& b = bodies[j];
            const float reach = a.radius + b.radius;
            // Over the span the sweep moves a's centre by at most
            // (|a's direction| + |b's|) x span, so spheres farther apart than
            // their reach plus that can never touch. Nearly every pair is far
            // apart; the sweep below still decides every pair that might touch.
            if (a.exact && b.exact) {
                const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
                const double limit = reach + (a.drift + b.drift) * span + 1.0;   // a unit to spare for rounding
                if (dx * dx + dy * dy + dz * dz > limit * limit) continue;
            }
            const Vector3 pi = a.previous, pj = b.previous;
            const Vector3 rel = a.direction - b.direction;
            if (Line::fromPointAndDirection(pi, rel).distanceToPoint(pj) > reach) continue;
            for (double t = 0.0; t < span;) {
                t += step;
                const Vector3 q = pi + rel * static_cast<float>(t);
                if (distance(q, pj) <= reach) {
                    contact.point = q;
                    if (t - step < contact.time) contact.time = t - step;
                    contact.first = static_cast<int>(i);
                    contact.second = static_cast<int>(j);
                    break;
                }
            }
        }
    }
    contact.found = contact.time != 10000.0;
    return contact;
}

bool resolveCollisions(World& world, MyShip& ship, float frameTime) {
    for (SpaceObject* object : world.objects) object->setPreviousPosition(object->getPosition());
    const Contact contact = findEarliestContact(world, COLLISION_STEP);
    if (contact.found) {
        const SpaceObject* a = world.objectAt(static_cast<unsigned>(contact.first));
        const SpaceObject* b = world.objectAt(static_cast<unsigned>(contact.second));
        if (std::strcmp(a->getTypeName(), "MyShip") == 0 || std::strcmp(b->getTypeName(), "MyShip") == 0) {
            const Vector3 v = ship.getDirection() * (ship.getSpeed() * 0.14f);
            world.playSample(2);
            ship.setPosition(contact.point - v);
            ship.subtractEnergy(ship.absoluteSpeed());
            ship.setSpeed(-ship.getSpeed());
            return true;
        }
    }
    ship.advance(ship.getSpeed() * frameTime);
    return false;
}
