#pragma once

#include "Model.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A model read from a MilkShape 3D file (versions 3 and 4; skeletal data is not
// read). The reader checks every count and index against the file and refuses
// a file that runs past its end or points outside its own arrays.
class Ms3dModel : public Model {
public:
    bool load(const std::string& fileName) override;
    // The same, from bytes already in memory; does not touch textures.
    bool parse(const std::vector<uint8_t>& bytes);

    // Writes each triangle of a one-mesh model as three GL_T2F_N3F_V3F corners
    // (24 floats per triangle) into `array`, which holds `capacity` floats.
    // Triangles that would not fit are left out. Each mesh starts again at
    // float 0. Returns the floats written for the last mesh.
    size_t fillVertexArray(float* array, size_t capacity) const;
};
