#include "MyShip.h"

#include "world/World.h"

MyShip::MyShip(const std::string& modelFile, const Vector3& position, const Vector3& direction, float radius_,
               float speed_, const Vector3& scale_, float yawRate_, float pitchRate_, float energy_, World* world) {
    setInitialFrame(position, direction);
    if (world->graphics) {
        model = loadModel(modelFile, "Couldn't load the model for MyShip!", "Couldn't load the model for MyShip!");
        secondModel = loadModel("../bin/data/Ships/xwingPart2.ms3d", "Couldn't load the model for an EnemyShip!",
                                "Couldn't load the model for an EnemyShip!");
    }
    outsideView = 0;
    typeName = "MyShip";
    radius = radius_;
    speed = speed_;
    scale = scale_;
    yawRate = yawRate_;
    pitchRate = pitchRate_;
    energy = energy_;
    margin = 50;
    worldId = world->add(this);
    displayList = world->displayListBase + 5;
    points = 0.0f;
}

void MyShip::draw(bool, int mode) {
    if (outsideView != 1) return;
    glPushMatrix();
    glMultMatrixf(frame.m);
    glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    drawParts(mode);
    glPopMatrix();
}
