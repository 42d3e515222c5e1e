#include "StarField.h"

#include "entities/Random.h"
#include "entities/Ship.h"

#include <GL/gl.h>

namespace {

Vector3 randomOffset() {
    const int x = randomInRange(-200, 200);
    const int y = randomInRange(-200, 200);
    const int z = randomInRange(-200, 200);
    return Vector3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

}

StarField::StarField(const Ship* ship_) : ship(ship_) {
    Random::seed(4);
    ring = 0;
    for (Vector3& p : starPoints) p = ship->getPosition() + randomOffset();
}

void StarField::renewRing() {
    if (ship->getSpeed() != 0.0f) {
        // Below speed 0.05 only the ring's first point is renewed; capping the
        // quotient keeps a tiny speed from overflowing the conversion.
        const float quotient = 10.0f / ship->absoluteSpeed();
        int step = quotient >= float(RING) ? RING : static_cast<int>(quotient);
        if (step < 1) step = 1;
        if (randomInRange(0, 5) == 0) step = 1;
        for (int i = 0; i < RING; i += step) starPoints[size_t(RING * ring + i)] = ship->getPosition() + randomOffset();
    }
    ring = (ring + 1) % RINGS;
}

void StarField::draw() {
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glColor3f(1.0f, 1.0f, 1.0f);
    // One array call instead of 8000 vertex calls: the same points, a
    // fraction of the submission time.
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(Vector3), &starPoints[0].x);
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(starPoints.size()));
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
    glEnable(GL_LIGHTING);
}
