#include "Ms3dModel.h"

#include "ByteReader.h"
#include "platform/FileReader.h"

#include <cstring>
#include <utility>

namespace {

constexpr size_t VERTEX_BYTES = 15;
constexpr size_t TRIANGLE_BYTES = 70;
constexpr size_t MESH_BYTES_AT_LEAST = 36;   // a mesh of no triangles
constexpr size_t MATERIAL_BYTES = 361;
constexpr size_t NAME_BYTES = 128;

void readFloats(ByteReader& reader, float* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = reader.f32();
}

}

bool Ms3dModel::load(const std::string& fileName) {
    std::vector<uint8_t> bytes;
    std::string why;
    if (!FileReader::read(fileName, FileReader::MODEL, bytes, why) || !parse(bytes)) return false;
    reloadTextures("");
    return true;
}

bool Ms3dModel::parse(const std::vector<uint8_t>& bytes) {
    ByteReader reader(bytes);
    char id[10];
    if (!reader.bytes(id, sizeof id) || std::memcmp(id, "MS3D000000", sizeof id) != 0) return false;
    const int32_t version = reader.s32();
    if (!reader.ok() || version < 3 || version > 4) return false;

    // Everything is read into fresh arrays first, so a refused file leaves the
    // model exactly as it was.
    // Each count is checked against what is left of the file before anything
    // is allocated for it.
    const uint16_t vertexCount = reader.u16();
    if (!reader.has(vertexCount * VERTEX_BYTES)) return false;
    std::vector<Vertex> newVertices(vertexCount);
    for (Vertex& v : newVertices) {
        reader.u8();   // flags
        readFloats(reader, v.location, 3);
        v.boneId = reader.s8();
        reader.u8();   // reference count
    }

    const uint16_t triangleCount = reader.u16();
    if (!reader.has(triangleCount * TRIANGLE_BYTES)) return false;
    std::vector<Triangle> newTriangles(triangleCount);
    for (Triangle& t : newTriangles) {
        reader.u16();   // flags
        for (int32_t& index : t.vertexIndices) {
            index = reader.u16();
            if (index >= static_cast<int32_t>(newVertices.size())) return false;
        }
        for (auto& normal : t.vertexNormals) readFloats(reader, normal, 3);
        readFloats(reader, t.s, 3);
        readFloats(reader, t.t, 3);
        for (float& tc : t.t) tc = 1.0f - tc;
        reader.u8();   // smoothing group
        reader.u8();   // group index
    }

    const uint16_t meshCount = reader.u16();
    if (!reader.has(meshCount * MESH_BYTES_AT_LEAST)) return false;
    std::vector<Mesh> newMeshes(meshCount);
    for (Mesh& mesh : newMeshes) {
        reader.skip(1 + 32);   // flags, name
        mesh.triangleIndices.resize(reader.u16());
        if (!reader.has(mesh.triangleIndices.size() * 2 + 1)) return false;
        for (int32_t& index : mesh.triangleIndices) {
            index = reader.u16();
            if (index >= static_cast<int32_t>(newTriangles.size())) return false;
        }
        mesh.materialIndex = reader.s8();
    }

    const uint16_t materialCount = reader.u16();
    if (!reader.ok() || !reader.has(materialCount * MATERIAL_BYTES)) return false;
    std::vector<Material> newMaterials(materialCount);
    for (Material& m : newMaterials) {
        reader.skip(32);   // name
        readFloats(reader, m.ambient, 4);
        readFloats(reader, m.diffuse, 4);
        readFloats(reader, m.specular, 4);
        readFloats(reader, m.emissive, 4);
        m.shininess = reader.f32();
        reader.f32();   // transparency
        reader.u8();    // mode
        char name[NAME_BYTES];
        reader.bytes(name, NAME_BYTES);
        m.textureFileName.assign(name, strnlen(name, NAME_BYTES));
        reader.skip(NAME_BYTES);   // alpha map
    }
    if (!reader.ok()) return false;
    for (const Mesh& mesh : newMeshes) {
        if (mesh.materialIndex >= static_cast<int32_t>(newMaterials.size())) return false;
    }

    vertices = std::move(newVertices);
    triangles = std::move(newTriangles);
    meshes = std::move(newMeshes);
    materials = std::move(newMaterials);
    return true;
}

size_t Ms3dModel::fillVertexArray(float* array, size_t capacity) const {
    size_t written = 0;
    for (const Mesh& mesh : meshes) {
        written = 0;
        for (const int32_t index : mesh.triangleIndices) {
            if (capacity - written < 24) break;
            const Triangle& tri = triangles[index];
            for (int j = 0; j < 3; ++j) {
                float* out = array + written;
                const float* location = vertices[tri.vertexIndices[j]].location;
                out[0] = tri.s[j];
                out[1] = tri.t[j];
                out[2] = tri.vertexNormals[j][0];
                out[3] = tri.vertexNormals[j][1];
                out[4] = tri.vertexNormals[j][2];
                out[5] = location[0];
                out[6] = location[1];
                out[7] = location[2];
                written += 8;
            }
        }
    }
    return written;
}
