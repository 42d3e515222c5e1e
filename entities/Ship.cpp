#include "Ship.h"

void Ship::setPosition(const Vector3& p) {
    frame[12] = p.x;
    frame[13] = p.y;
    frame[14] = p.z;
}

void Ship::setDirection(const Vector3& d) {
    const Vector3 n = d.normalized();
    frame[8] = n.x;
    frame[9] = n.y;
    frame[10] = n.z;
}

void Ship::yaw(float angle) {
    frame = multiply(frame, Matrix4::yawRotation(angle));
}

void Ship::pitch(float angle) {
    frame = multiply(frame, Matrix4::pitchRotation(angle));
}

void Ship::advance(float distance) {
    frame[12] = static_cast<float>(frame[12] + double(distance) * frame[8]);
    frame[13] = static_cast<float>(frame[13] + double(distance) * frame[9]);
    frame[14] = static_cast<float>(frame[14] + double(distance) * frame[10]);
}

void Ship::changeSpeed(float amount, bool faster) {
    if (faster) {
        if (speed < 100.0f) speed += amount;
    } else if (speed > -100.0f) {
        speed -= amount;
    }
}

void Ship::setInitialFrame(const Vector3& position, const Vector3& direction) {
    frame = Matrix4();
    frame.setColumn(0, Vector3(1, 0, 0), 0.0f);
    frame.setColumn(1, Vector3(0, 1, 0), 0.0f);
    frame.setColumn(2, direction, 0.0f);
    frame.setColumn(3, position, 1.0f);
}

void Ship::drawParts(int mode) {
    glPushMatrix();
    glScalef(scale.x, scale.y, scale.z);
    if (mode == 0) {
        model->draw();
        glEnable(GL_BLEND);
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        secondModel->draw();
    } else if (mode > 0) {
        glCallList(displayList);
        glEnable(GL_BLEND);
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        glCallList(displayList + 1);
    }
    glDisable(GL_BLEND);
    glPopMatrix();
}
