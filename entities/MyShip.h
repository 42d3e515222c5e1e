#pragma once

#include "Ship.h"

// The player's ship. The camera sits in it; it is drawn only in the outside view.
class MyShip : public Ship {
public:
    MyShip(const std::string& modelFile, const Vector3& position, const Vector3& direction, float radius, float speed,
           const Vector3& scale, float yawRate, float pitchRate, float energy, World* world);

    void draw(bool visible, int mode) override;

    // Pointer movement accumulates turn rates; they act until moved back.
    void addTurn(float dx, float dy) {
        yawRate += dx;
        pitchRate += dy;
    }
    // Flying straight again: both turn rates zero.
    void stopTurning() { yawRate = pitchRate = 0.0f; }
    float getYawRate() const { return yawRate; }
    float getPitchRate() const { return pitchRate; }
    int getOutsideView() const { return outsideView; }
    void setOutsideView(int view) { outsideView = view; }
    void addPoints(float p) { points += p; }
    float getPoints() const { return points; }

private:
    float yawRate = 0.0f;     // radians per second / 2, from the pointer
    float pitchRate = 0.0f;
    int outsideView = 0;      // 1: seen from behind, and drawn
    float points = 0.0f;
};
