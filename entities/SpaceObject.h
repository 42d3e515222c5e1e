#pragma once

#include "Vector3.h"
#include "assets/Model.h"

#include <GL/gl.h>

#include <cstdint>
#include <memory>

class World;

// Everything that lives in space: asteroids and both ships. Each concrete
// constructor registers the object with the World, which owns it from then on.
class SpaceObject {
public:
    virtual ~SpaceObject() = default;

    virtual Vector3 getDirection() const = 0;
    virtual Vector3 getPosition() const = 0;
    virtual void setPosition(const Vector3& p) = 0;
    virtual void setDirection(const Vector3& d) = 0;
    // mode 0 draws the model, 1 the display lists, 2 vertex arrays (asteroids).
    virtual void draw(bool visible, int mode) = 0;
    virtual void destroy() = 0;   // deletes the object

    const Vector3& getPreviousPosition() const { return previousPosition; }
    void setPreviousPosition(const Vector3& p) { previousPosition = p; }
    float getRadius() const { return radius; }
    float getEnergy() const { return energy; }
    void subtractEnergy(float amount) { energy -= amount; }
    void setEnergy(int value) { energy = static_cast<float>(value); }
    const Vector3& getScale() const { return scale; }
    const char* getTypeName() const { return typeName; }
    int getMargin() const { return margin; }
    int32_t getWorldId() const { return worldId; }

protected:
    Vector3 previousPosition;        // where the object stood when this frame began
    float radius = 0.0f;             // world units, for collisions and culling
    float energy = 0.0f;             // 0 or below: destroyed
    Vector3 scale;                   // factors for glScalef before the model
    int32_t worldId = 0;             // what the World's add returned
    GLuint displayList = 0;          // first list of the object's model
    const char* typeName = "";       // "Asteroid", "EnemyShip" or "MyShip"
    std::shared_ptr<Model> model;         // shared by every object of the same file
    std::shared_ptr<Model> secondModel;   // ships: drawn over the first, multiplied
    int margin = 0;                  // world units added by proximity tests

    // Loads a model file; on failure shows `boxText` as an error and writes
    // `consoleText` to standard output without a line break. A file that some
    // living object already loaded is not read again: its model, geometry and
    // textures are shared, and freed with the last object that holds them.
    static std::shared_ptr<Model> loadModel(const std::string& file, const char* boxText, const char* consoleText);
};
