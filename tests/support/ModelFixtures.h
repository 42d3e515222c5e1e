#pragma once

#include "assets/Ms3dModel.h"
#include "tools/Ms3dWriter.h"

#include <string>

// A four-sided pyramid (apex towards +z) of 6 triangles with smooth normals and
// texture coordinates. With split = true its sides and base are two groups, the
// base without material; otherwise one group with material 0, whose texture
// file is `texture`.
Ms3dData pyramidModel(const std::string& texture, bool split = false);

// Exposes a model's arrays so tests can check what was read.
class InspectableModel : public Ms3dModel {
public:
    using Ms3dModel::materials;
    using Ms3dModel::meshes;
    using Ms3dModel::triangles;
    using Ms3dModel::vertices;
};
