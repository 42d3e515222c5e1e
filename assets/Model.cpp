#include "Model.h"

#include <array>
#include <cstring>
#include <map>

Model::Model() : textures(std::make_unique<TextureBank>()) {}

Model::~Model() = default;

void Model::reloadTextures(const std::string& format) {
    for (Material& material : materials) {
        if (material.textureFileName.empty()) {
            material.texture = 0;
        } else if (format == "TGA") {
            material.texture = textures->createTgaTexture(material.textureFileName);
        } else {
            material.texture = textures->createBmpTexture(material.textureFileName);
        }
    }
}

void Model::gatherCorners() {
    corners.assign(meshes.size(), Corners());
    for (size_t m = 0; m < meshes.size(); ++m) {
        Corners& out = corners[m];
        // Alike by their bits, so that a corner given once is exactly each it stands for.
        std::map<std::array<uint32_t, 8>, GLuint> seen;
        for (const int32_t index : meshes[m].triangleIndices) {
            const Triangle& tri = triangles[index];
            for (int corner = 0; corner < 3; ++corner) {
                const float* location = vertices[tri.vertexIndices[corner]].location;
                const float* normal = tri.vertexNormals[corner];
                const float values[8] = {tri.s[corner], tri.t[corner], normal[0],   normal[1],
                                         normal[2],     location[0],   location[1], location[2]};
                std::array<uint32_t, 8> key;
                std::memcpy(key.data(), values, sizeof values);
                const auto found = seen.emplace(key, GLuint(seen.size()));
                if (found.second) out.interleaved.insert(out.interleaved.end(), values, values + 8);
                out.indices.push_back(found.first->second);
            }
        }
    }
}

void Model::applyMaterial(const Mesh& mesh) const {
    if (mesh.materialIndex >= 0) {
        const Material& m = materials[mesh.materialIndex];
        glMaterialfv(GL_FRONT, GL_AMBIENT, m.ambient);
        glMaterialfv(GL_FRONT, GL_DIFFUSE, m.diffuse);
        glMaterialfv(GL_FRONT, GL_SPECULAR, m.specular);
        glMaterialfv(GL_FRONT, GL_EMISSION, m.emissive);
        glMaterialf(GL_FRONT, GL_SHININESS, m.shininess);
        if (m.texture != 0) {
            glBindTexture(GL_TEXTURE_2D, m.texture);
            glEnable(GL_TEXTURE_2D);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

void Model::draw() {
    if (corners.size() != meshes.size()) gatherCorners();
    const GLboolean texturing = glIsEnabled(GL_TEXTURE_2D);
    const GLfloat* last = nullptr;   // the corner drawn last: vertex by vertex it stays current
    for (size_t m = 0; m < meshes.size(); ++m) {
        applyMaterial(meshes[m]);
        const Corners& c = corners[m];
        if (c.indices.empty()) continue;
        glInterleavedArrays(GL_T2F_N3F_V3F, 0, c.interleaved.data());
        glDrawElements(GL_TRIANGLES, GLsizei(c.indices.size()), GL_UNSIGNED_INT, c.indices.data());
        last = &c.interleaved[size_t(c.indices.back()) * 8];
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    if (last) {
        glNormal3fv(last + 2);
        glTexCoord2f(last[0], last[1]);
    }
    if (texturing) glEnable(GL_TEXTURE_2D);
    else glDisable(GL_TEXTURE_2D);
}

void Model::drawVertexByVertex() {
    const GLboolean texturing = glIsEnabled(GL_TEXTURE_2D);
    for (const Mesh& mesh : meshes) {
        applyMaterial(mesh);
        glBegin(GL_TRIANGLES);
        for (const int32_t index : mesh.triangleIndices) {
            const Triangle& tri = triangles[index];
            for (int corner = 0; corner < 3; ++corner) {
                glNormal3fv(tri.vertexNormals[corner]);
                glTexCoord2f(tri.s[corner], tri.t[corner]);
                glVertex3fv(vertices[tri.vertexIndices[corner]].location);
            }
        }
        glEnd();
    }
    if (texturing) glEnable(GL_TEXTURE_2D);
    else glDisable(GL_TEXTURE_2D);
}

void Model::compileDisplayList(GLuint list) {
    glNewList(list, GL_COMPILE);
    drawVertexByVertex();
    glEndList();
}
