#include "EnemyShip.h"

#include "MyShip.h"
#include "Random.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

bool isZero(const Vector3& v) {
    return v.x == 0.0f && v.y == 0.0f && v.z == 0.0f;
}

}

EnemyShip::EnemyShip(const std::string& modelFile, const Vector3& position, const Vector3& direction,
                     float radius_, float speed_, const Vector3& scale_, float energy_, World* world_) {
    if (world_->graphics) {
        model = loadModel(modelFile, "Couldn't load the model for an EnemyShip!",
                          "Couldn't load the model for an EnemyShip!");
        secondModel = loadModel("../bin/data/Ships/xwingPart2.ms3d", "Couldn't load the model for an EnemyShip!",
                                "Couldn't load the model for an EnemyShip!");
    }
    radius = radius_;
    speed = speed_;
    scale = scale_;
    energy = energy_;
    typeName = "EnemyShip";
    setInitialFrame(position, direction);
    flightDirection = direction;
    turnAxis = Vector3(0, 1, 0);
    worldId = world_->add(this);
    laser = std::make_unique<Laser>();
    behaviourState = PURSUE;
    turnAngle = 0.0f;
    world = world_;
    margin = 2;
    displayList = world_->displayListBase + 5;
}

void EnemyShip::draw(bool visible, int mode) {
    if (!visible) return;
    const Vector3 p = getPosition();
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    glRotatef(turnAngle, turnAxis.x, turnAxis.y, turnAxis.z);
    glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    drawParts(mode);
    glPopMatrix();
}

void EnemyShip::drawBeam() const {
    if (beamShown) laser->draw(this);
}

void EnemyShip::setTurn(const Vector3& target) {
    const Vector3 c = frame.column(2);
    if (!(c != target)) return;
    // Parallel directions give no axis; the turn then keeps the axis it had.
    const Vector3 axis = cross(c, target);
    if (!isZero(axis)) turnAxis = axis.normalized();
    turnAngle = safeAcosDegrees(dot(c, target));
    flightDirection = target;
}

void EnemyShip::turnBy(float delta) {
    turnAngle += delta;
    const Vector3 turned = rotateAboutAxis(frame.column(2), turnAngle, turnAxis);
    if (!isZero(turned)) flightDirection = turned.normalized();
}

void EnemyShip::turnToward(float& counter, float timeFactor) {
    // Already flying exactly at the player counts as aligned (theta 0): returning
    // early instead would leave the ship turning back, unmoving, for good.
    const double theta = std::acos(std::clamp(double(dot(flightDirection, toPlayer)), -1.0, 1.0));
    if (theta <= 0.01) {
        setTurn(toPlayer);
        behaviourState = PURSUE;
        counter = 0.0f;
        return;
    }
    counter += 1.0f;
    const Vector3 axisRaw = cross(flightDirection, toPlayer);
    // Opposite directions have no axis of their own; turn about the current one.
    const Vector3 axis = isZero(axisRaw) ? turnAxis.normalized() : axisRaw.normalized();
    // The angle argument is in degrees; the radian measure enters it unconverted.
    setTurn(rotateAboutAxis(flightDirection, static_cast<float>(2.0 * theta * timeFactor * counter * turnRate), axis));
}

void EnemyShip::advanceAlongFlight(float distance) {
    setPosition(getPosition() + flightDirection * distance);
}

void EnemyShip::adjustSpeed(float amount, bool faster) {
    if (faster) {
        if (speed < 100.0f) speed += amount;
    } else if (speed > amount) {
        speed -= amount;
    }
}

bool EnemyShip::fireLaser() {
    const int i = laser->fire(this, 0.1f, world);
    lastShotTime = static_cast<float>(world->now);
    SpaceObject* hit = i >= 0 ? world->objectAt(static_cast<unsigned>(i)) : nullptr;
    if (hit && std::strcmp(hit->getTypeName(), "EnemyShip") != 0) {
        const Vector3 p = laser->hitPoint(static_cast<unsigned>(i));
        hit->subtractEnergy(laser->getDamage());
        if (hit == world->player) ++hitsOnPlayer;
        const SpaceObject* still = world->findById(hit->getWorldId());
        if (still && still->getEnergy() > 0.0f) {
            world->addExplosion(world->player, p - hit->getPosition(), hit->getPosition(), hit->getWorldId());
        }
    } else {
        laser->setLength(3000.0f);
    }
    world->playSample(0);
    return true;
}

void EnemyShip::applySpeedRule(float gap) {
    if (gap == -1.0f) {
        adjustSpeed(1.0f, true);
        saveSpeedNext = true;
    } else if (saveSpeedNext) {
        speedStep = speed / 50.0f;
        saveSpeedNext = false;
    } else if (speed > 1.0f) {
        speed = speedStep * gap;
    }
}

void EnemyShip::update(const SpaceObject* target, float F, const SpaceObject* contact, float gap) {
    if (!target) return;   // no player to fly at
    const Vector3 toward = target->getPosition() - getPosition();
    // A player exactly at this ship's position gives no direction: skip the step.
    if (isZero(toward)) return;
    const float D = toward.length();
    toPlayer = toward.normalized();
    Vector3 towardContact;
    if (contact) {
        towardContact = contact->getPosition() - getPosition();
        if (isZero(towardContact)) return;   // likewise a contact at its own position
    }
    beamShown = false;
    switch (behaviourState) {
    case TURN_BACK:
        turnToward(reacquireCount, F);
        break;
    case FIRE:
        fireLaser();
        behaviourState = SHOW_BEAM;
        break;
    case SHOW_BEAM:
        // The beam shows for 100 ms; then back to pursuit, or away from a contact.
        if (lastShotTime - static_cast<float>(world->now) <= -100.0f) behaviourState = contact ? EVADE : PURSUE;
        else beamShown = true;
        break;
    case PURSUE:
    case EVADE:
    case HALF_LOOP:
        if (contact) stepWithContact(F, contact, towardContact.normalized());
        else stepWithoutContact(F, gap, D);
        break;
    default:
        std::fputs("darf nicht vorkommen", stdout);
        std::fflush(stdout);
    }
}

void EnemyShip::stepWithoutContact(float F, float gap, float D) {
    if (behaviourState == PURSUE) {
        setTurn(toPlayer);
        advanceAlongFlight(speed * F);
        applySpeedRule(gap);
        const int n = randomInRange(0, std::max(fireOdds, 7));
        if (n == 7 && absoluteSpeed() < 50.0f && D < 800.0f) behaviourState = FIRE;
    } else if (behaviourState == EVADE) {
        if (evadeAngle <= evadeProgress) {
            evadePlanned = false;
            evadeProgress = 0.0f;
            behaviourState = HALF_LOOP;
        } else {
            const float s = 45.0f * F * turnRate;
            turnBy(s);
            evadeProgress += s;
        }
    } else if (loopProgress >= 180.0f) {
        loopProgress = 0.0f;
        loopRamp = 0.0f;
        behaviourState = TURN_BACK;
    } else {
        advanceAlongFlight(speed * F);
        if (gap == -1.0f) {
            // Speeding up through the first quarter of the loop, slowing after it.
            adjustSpeed(1.0f, loopProgress <= 90.0f);
            saveSpeedNext = true;
        } else {
            applySpeedRule(gap);
        }
        const float s = 30.0f * F * turnRate * loopRamp;
        turnBy(-s);
        loopProgress += s;
        if (loopRamp < 1.0f) loopRamp += 0.006f;
    }
}

void EnemyShip::stepWithContact(float F, const SpaceObject* contact, const Vector3& G) {
    if (behaviourState == PURSUE) {
        behaviourState = std::strcmp(contact->getTypeName(), "MyShip") == 0 ? FIRE : EVADE;
    } else if (behaviourState == HALF_LOOP) {
        behaviourState = EVADE;
        loopProgress = 0.0f;
        loopRamp = 0.0f;
    } else if (!evadePlanned) {
        const float c = std::min(dot(getDirection(), G), 1.0f);
        evadeAngle = std::fabs(91.0f - safeAcosDegrees(c));
        evadePlanned = true;
    } else if (evadeAngle <= evadeProgress) {
        advanceAlongFlight(speed * F);
        adjustSpeed(2.0f, true);
    } else {
        const float s = 45.0f * F * turnRate;
        turnBy(s);
        evadeProgress += s;
    }
}
