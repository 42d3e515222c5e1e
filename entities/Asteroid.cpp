#include "Asteroid.h"

#include "Random.h"
#include "world/World.h"

#include <ctime>

namespace {

// Two successive draws, the first minus the second, scaled into (-1, 1).
float randomSpread() {
    const int r1 = Random::next();
    const int r2 = Random::next();
    return static_cast<float>((r1 - r2) / 32767.0);
}

}

std::optional<uint32_t> Asteroid::fieldSeed;

Asteroid::Asteroid(const std::string& modelFile, const Vector3& position_, const Vector3& direction_, float radius_,
                   const Vector3& scale_, float energy_, World* world) {
    if (world->graphics)
        model = loadModel(modelFile, "Couldn't load the model for asteroid!", "Couldn't load the model for an Asteroid!");
    position = position_;
    direction = direction_;
    radius = radius_;
    scale = scale_;
    energy = energy_;
    typeName = "Asteroid";
    // Rocks built within the same second tumble alike.
    Random::seed(fieldSeed ? *fieldSeed : static_cast<uint32_t>(std::time(nullptr)));
    tumbleAxis.x = randomSpread();
    tumbleAxis.y = randomSpread();
    tumbleAxis.z = randomSpread();
    tumbleStep = randomSpread();
    tumbleAngle = 0.0f;
    margin = 2;
    worldId = world->add(this);
    const char* shapes[] = {"../bin/data/asteroids/ast1.ms3d", "../bin/data/asteroids/ast2.ms3d",
                            "../bin/data/asteroids/ast3.ms3d"};
    for (int i = 0; i < 3; ++i) {
        if (modelFile == shapes[i]) {
            displayList = world->displayListBase + i;
            vertexArray = world->asteroidArrays[i].data();
            texture = world->textureBank ? world->textureBank->slots[10 + i] : 0;
        }
    }
}

void Asteroid::draw(bool visible, int mode) {
    if (visible) {
        glPushMatrix();
        glTranslatef(position.x, position.y, position.z);
        glRotatef(tumbleAngle, tumbleAxis.x, tumbleAxis.y, tumbleAxis.z);
        glPushMatrix();
        glScalef(scale.x, scale.y, scale.z);
        if (mode == 0) {
            model->draw();
        } else if (mode == 1) {
            glCallList(displayList);
        } else if (mode == 2 && vertexArray) {
            glBindTexture(GL_TEXTURE_2D, texture);
            glEnable(GL_TEXTURE_2D);
            glInterleavedArrays(GL_T2F_N3F_V3F, 0, vertexArray);
            glDrawArrays(GL_TRIANGLES, 0, ARRAY_VERTICES);
            glDisable(GL_TEXTURE_2D);
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
            glDisableClientState(GL_NORMAL_ARRAY);
            glDisableClientState(GL_VERTEX_ARRAY);
        }
        glPopMatrix();
        glPopMatrix();
    }
    if (tumbleAngle >= 360.0f) tumbleAngle = 0.0f;
    else tumbleAngle += tumbleStep;
}
