#include "ModelFixtures.h"

#include <cmath>

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
            const float* c = corners[f[j]];
            t.vertexIndices[j] = f[j];
            t.s[j] = (c[0] + 1.0f) / 2.0f;
            t.t[j] = (c[1] + 1.0f) / 2.0f;
            const float length = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
            for (int k = 0; k < 3; ++k) t.normals[j][k] = c[k] / length;   // outwards from the base's centre
        }
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
