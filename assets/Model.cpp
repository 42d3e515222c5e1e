#include "Model.h"

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

void Model::draw() {
    const GLboolean texturing = glIsEnabled(GL_TEXTURE_2D);
    for (const Mesh& mesh : meshes) {
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
    draw();
    glEndList();
}
