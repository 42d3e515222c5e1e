#pragma once

#include "TextureBank.h"

#include <GL/gl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Static polygon geometry: vertices, triangles with per-corner normals and
// texture coordinates, meshes (groups of triangles) and their materials. Draws
// itself in immediate mode or into a display list.
class Model {
public:
    struct Mesh {
        int32_t materialIndex = -1;              // negative: no material
        std::vector<int32_t> triangleIndices;    // into triangles
    };
    struct Material {
        float ambient[4] = {}, diffuse[4] = {}, specular[4] = {}, emissive[4] = {};
        float shininess = 0.0f;
        GLuint texture = 0;                      // 0: drawn untextured
        std::string textureFileName;             // relative to the working directory
    };
    struct Triangle {
        float vertexNormals[3][3] = {};
        float s[3] = {};
        float t[3] = {};                         // already flipped: 1 - t of the file
        int32_t vertexIndices[3] = {};           // into vertices
    };
    struct Vertex {
        int8_t boneId = 0;                       // kept, not used
        float location[3] = {};
    };

    Model();
    virtual ~Model();

    // True when the file was read; on false the model keeps what it had.
    virtual bool load(const std::string& fileName) = 0;

    // Creates every material's texture anew: TGA files for "TGA", else BMP.
    void reloadTextures(const std::string& format);
    // Draws all meshes with the current matrices; leaves GL_TEXTURE_2D as found.
    void draw();
    // Records exactly what draw issues. The texture state at compile time is
    // what the list restores when played.
    void compileDisplayList(GLuint list);

    int meshCount() const { return static_cast<int>(meshes.size()); }
    int materialCount() const { return static_cast<int>(materials.size()); }
    int triangleCount() const { return static_cast<int>(triangles.size()); }
    int vertexCount() const { return static_cast<int>(vertices.size()); }

protected:
    std::vector<Mesh> meshes;
    std::vector<Material> materials;
    std::vector<Triangle> triangles;
    std::vector<Vertex> vertices;
    std::unique_ptr<TextureBank> textures;   // private bank for material textures
};
