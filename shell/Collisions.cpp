#include "Collisions.h"

#include "entities/Line.h"
#include "entities/MyShip.h"
#include "world/World.h"

#include <cstring>

Contact findEarliestContact(const World& world, double span) {
    Contact contact;
    const double step = span / 150.0;
    const unsigned n = world.count();
    for (unsigned i = 0; i + 1 < n; ++i) {
        for (unsigned j = i + 1; j < n; ++j) {
            const SpaceObject* a = world.objectAt(i);
            const SpaceObject* b = world.objectAt(j);
            const Vector3 pi = a->getPreviousPosition(), pj = b->getPreviousPosition();
            const float reach = a->getRadius() + b->getRadius();
            const Vector3 rel = a->getDirection() - b->getDirection();
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

void resolveCollisions(World& world, MyShip& ship, float frameTime) {
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
            return;
        }
    }
    ship.advance(ship.getSpeed() * frameTime);
}
