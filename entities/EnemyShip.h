#pragma once

#include "Laser.h"
#include "Ship.h"

#include <memory>

// The computer's fighter. Each frame the World hands it the player, the frame
// time, what it touches and the gap to what lies ahead; it then runs one step
// of its behaviour: pursue, fire, evade, half loop, turn back.
class EnemyShip : public Ship {
public:
    enum State { PURSUE = 0, EVADE = 1, HALF_LOOP = 2, TURN_BACK = 3, FIRE = 4, SHOW_BEAM = 5 };

    EnemyShip(const std::string& modelFile, const Vector3& position, const Vector3& direction, float radius,
              float speed, const Vector3& scale, float energy, World* world);

    Vector3 getDirection() const override { return flightDirection.normalized(); }
    void setDirection(const Vector3& d) override { flightDirection = d.normalized(); }
    void draw(bool visible, int mode) override;

    // One behaviour step. `gap` is -1 when nothing lies ahead.
    void update(const SpaceObject* target, float timeFactor, const SpaceObject* contact, float gap);
    // The beam of its last shot, while the last update showed it.
    void drawBeam() const;

    Vector3 side() const { return cross(flightDirection, turnAxis).normalized(); }
    Vector3 up() const { return turnAxis.normalized(); }

    // Steering, public for the behaviour's tests.
    void setTurn(const Vector3& target);
    void turnBy(float delta);   // degrees
    void turnToward(float& counter, float timeFactor);
    void advanceAlongFlight(float distance);
    void adjustSpeed(float amount, bool faster);
    bool fireLaser();

    int behaviourState = PURSUE;
    float turnAngle = 0.0f;      // degrees from the frame's forward axis about turnAxis
    Vector3 turnAxis;
    Vector3 flightDirection;
    float evadeAngle = 0.0f;     // degrees to turn away from a contact
    Vector3 toPlayer;            // unit vector, renewed every update
    float lastShotTime = 0.0f;   // milliseconds on the clock
    // Shots of this ship that struck the player, counted for the cockpit's
    // flash: seen by no behaviour, nor by the recording's state.
    unsigned hitsOnPlayer = 0;
    bool beamShown = false;      // the last update showed the beam: drawn after it

    // How sharp this ship is, as numbers the steps use; the steps never
    // change. The design's ship turns at 1 and fires on one draw in 501.
    float turnRate = 1.0f;       // times every turn of the evasion, the half loop and the turn back
    int fireOdds = 500;          // the pursuit fires on a 7 drawn from 0..fireOdds, at least 7

    // Progress of the current manoeuvre.
    bool evadePlanned = false;
    float evadeProgress = 0.0f;  // degrees
    float loopProgress = 0.0f;   // degrees
    float loopRamp = 0.0f;       // 0..1, grows 0.006 a frame
    float reacquireCount = 0.0f; // frames of the turn back
    bool saveSpeedNext = true;
    float speedStep = 0.0f;      // speed per unit of gap

private:
    void applySpeedRule(float gap);
    void stepWithoutContact(float timeFactor, float gap, float distanceToPlayer);
    void stepWithContact(float timeFactor, const SpaceObject* contact, const Vector3& towardContact);
    // Pursuit, evasion and the half loop depend on a contact; the other states do not.

    std::unique_ptr<Laser> laser;
    World* world = nullptr;
};
