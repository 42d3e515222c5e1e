#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The geometry of a MilkShape 3D (version 4) file, as it is written: texture
// coordinates t as stored in the file (the reader flips them).
struct Ms3dData {
    struct Vertex {
        float location[3] = {};
        int8_t boneId = -1;
    };
    struct Triangle {
        uint16_t vertexIndices[3] = {};
        float normals[3][3] = {};
        float s[3] = {};
        float t[3] = {};
        uint8_t group = 0;
    };
    struct Group {
        std::string name;
        std::vector<uint16_t> triangleIndices;
        int8_t materialIndex = -1;
    };
    struct Material {
        std::string name;
        float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
        float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
        float specular[4] = {0.0f, 0.0f, 0.0f, 1.0f};
        float emissive[4] = {0.0f, 0.0f, 0.0f, 1.0f};
        float shininess = 0.0f;
        std::string texture;   // path the game opens, relative to its working directory
    };

    std::vector<Vertex> vertices;
    std::vector<Triangle> triangles;
    std::vector<Group> groups;
    std::vector<Material> materials;
};

// A complete file, ending with an empty keyframer block (no joints).
std::vector<uint8_t> encodeMs3d(const Ms3dData& data);
constexpr size_t MS3D_KEYFRAMER_BYTES = 14;
