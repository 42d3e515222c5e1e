#pragma once

#include "TextureBank.h"

#include <GL/gl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Static polygon geometry: vertices, triangles with per-corner normals and
// texture coordinates, meshes (groups of triangles) and their materials. Draws
// itself every frame from its own corners, or vertex by vertex into a display
// list.
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
    // Each mesh goes to the renderer in one call, from this model's corners
    // in client memory, so every frame submits the whole model again; alike
    // corners are given once, so the renderer lights each only once. The
    // picture, and the normal and texture coordinate left current, are those
    // of drawVertexByVertex.
    void draw();
    // The same triangles one glVertex at a time, as they stand in the file.
    void drawVertexByVertex();
    // Records drawVertexByVertex. The texture state at compile time is what
    // the list restores when played.
    void compileDisplayList(GLuint list);

    int meshCount() const { return static_cast<int>(meshes.size()); }
    int materialCount() const { return static_cast<int>(materials.size()); }
    int triangleCount() const { return static_cast<int>(triangles.size()); }
    int vertexCount() const { return static_cast<int>(vertices.size()); }

protected:
    // Gathers each mesh's corners for draw; called whenever the triangles change.
    void gatherCorners();

    std::vector<Mesh> meshes;
    std::vector<Material> materials;
    std::vector<Triangle> triangles;
    std::vector<Vertex> vertices;
    std::unique_ptr<TextureBank> textures;   // private bank for material textures

private:
    // A mesh as draw submits it: distinct corners as GL_T2F_N3F_V3F, and
    // three indices into them a triangle, in the triangles' order.
    struct Corners {
        std::vector<GLfloat> interleaved;
        std::vector<GLuint> indices;
    };
    void applyMaterial(const Mesh& mesh) const;

    std::vector<Corners> corners;   // one a mesh
};
