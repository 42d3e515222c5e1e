#include "ModelFixtures.h"

#include <cmath>

namespace {

void faceNormal(Ms3dData::Triangle& t, const Ms3dData& d) {
    const float* a = d.vertices[t.vertexIndices[0]].location;
    const float* b = d.vertices[t.vertexIndices[1]].location;
    const float* c = d.vertices[t.vertexIndices[2]].location;
    const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const float v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    float n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (auto& corner : t.normals) {
        for (int k = 0; k < 3; ++k) corner[k] = n[k] / len;
    }
}

}

Ms3dData pyramidModel(const std::string& texture, bool split) {
    Ms3dData d;
    const float corners[5][3] = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}, {0, 0, 1}};
    for (const auto& c : corners) {
        Ms3dData::Vertex v;
        for (int k = 0; k < 3; ++k) v.location[k] = c[k];
        d.vertices.push_back(v);
    }
    const uint16_t faces[6][3] = {{0, 1, 4}, {1, 2, 4}, {2, 3, 4}, {3, 0, 4}, {0, 2, 1}, {0, 3, 2}};
    for (const auto& f : faces) {
        Ms3dData::Triangle t;
        for (int j = 0; j < 3; ++j) {
            t.vertexIndices[j] = f[j];
            t.s[j] = (corners[f[j]][0] + 1.0f) / 2.0f;
            t.t[j] = (corners[f[j]][1] + 1.0f) / 2.0f;
        }
        faceNormal(t, d);
        d.triangles.push_back(t);
    }
    Ms3dData::Material m;
    m.name = "rock";
    m.texture = texture;
    m.diffuse[0] = 0.9f;
    m.diffuse[1] = 0.7f;
    m.diffuse[2] = 0.5f;
    d.materials.push_back(m);
    Ms3dData::Group sides{"sides", {0, 1, 2, 3}, 0};
    Ms3dData::Group base{"base", {4, 5}, -1};
    if (split) {
        d.groups = {sides, base};
    } else {
        sides.triangleIndices = {0, 1, 2, 3, 4, 5};
        d.groups = {sides};
    }
    return d;
}
