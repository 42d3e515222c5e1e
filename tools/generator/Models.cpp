#include "Models.h"

#include "Noise.h"

#include <array>
#include <cmath>
#include <map>

namespace Models {

namespace {

constexpr double PI = 3.14159265358979323846;
using Vec = std::array<double, 3>;

Vec sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec crossProduct(const Vec& a, const Vec& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec unit(const Vec& v) {
    const double l = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return l > 0 ? Vec{v[0] / l, v[1] / l, v[2] / l} : Vec{0, 1, 0};
}

// Triangles with shared corners, turned into MS3D records. Normals are the
// area-weighted mean of the faces around each logical point, so seams in the
// texture mapping do not show as creases.
class MeshBuilder {
public:
    int vertex(const Vec& p, double s, double t, int logical) {
        Ms3dData::Vertex v;
        for (int k = 0; k < 3; ++k) v.location[k] = static_cast<float>(p[k]);
        data.vertices.push_back(v);
        uv.push_back({s, t});
        logicalOf.push_back(logical);
        return static_cast<int>(data.vertices.size()) - 1;
    }
    void triangle(int a, int b, int c) { faces.push_back({a, b, c}); }

    Ms3dData finish(const std::string& texture, bool smooth) {
        dropUnusedVertices();
        std::map<int, Vec> sums;
        std::vector<Vec> faceNormals;
        for (const auto& f : faces) {
            const Vec n = crossProduct(sub(position(f[1]), position(f[0])), sub(position(f[2]), position(f[0])));
            faceNormals.push_back(unit(n));
            for (int corner : f) {
                Vec& s = sums[logicalOf[corner]];
                for (int k = 0; k < 3; ++k) s[k] += n[k];
            }
        }
        Ms3dData::Group group;
        group.name = "body";
        group.materialIndex = 0;
        for (size_t i = 0; i < faces.size(); ++i) {
            Ms3dData::Triangle t;
            for (int j = 0; j < 3; ++j) {
                const int v = faces[i][j];
                t.vertexIndices[j] = static_cast<uint16_t>(v);
                const Vec n = smooth ? unit(sums[logicalOf[v]]) : faceNormals[i];
                for (int k = 0; k < 3; ++k) t.normals[j][k] = static_cast<float>(n[k]);
                t.s[j] = static_cast<float>(uv[v][0]);
                t.t[j] = static_cast<float>(uv[v][1]);
            }
            group.triangleIndices.push_back(static_cast<uint16_t>(i));
            data.triangles.push_back(t);
        }
        data.groups.push_back(group);
        Ms3dData::Material m;
        m.name = "surface";
        m.texture = texture;
        m.ambient[0] = m.ambient[1] = m.ambient[2] = 0.35f;
        m.diffuse[0] = m.diffuse[1] = m.diffuse[2] = 0.9f;
        m.specular[0] = m.specular[1] = m.specular[2] = 0.2f;
        m.shininess = 12.0f;
        data.materials.push_back(m);
        return data;
    }

private:
    // Shapes may make corners no triangle uses (pole copies at a texture seam);
    // other readers count only the used ones, so the file keeps only those.
    void dropUnusedVertices() {
        std::vector<int> remap(data.vertices.size(), -1);
        Ms3dData::Vertex* kept = data.vertices.data();
        std::vector<std::array<double, 2>> keptUv;
        std::vector<int> keptLogical;
        std::vector<Ms3dData::Vertex> vertices;
        for (auto& f : faces) {
            for (int& corner : f) {
                if (remap[corner] < 0) {
                    remap[corner] = static_cast<int>(vertices.size());
                    vertices.push_back(kept[corner]);
                    keptUv.push_back(uv[corner]);
                    keptLogical.push_back(logicalOf[corner]);
                }
                corner = remap[corner];
            }
        }
        data.vertices = std::move(vertices);
        uv = std::move(keptUv);
        logicalOf = std::move(keptLogical);
    }

    Vec position(int v) const {
        const float* l = data.vertices[v].location;
        return {l[0], l[1], l[2]};
    }

    Ms3dData data;
    std::vector<std::array<double, 2>> uv;
    std::vector<int> logicalOf;
    std::vector<std::array<int, 3>> faces;
};

// A closed tube along z through the given cross-sections (each a ring of
// points at one z), capped at both ends; flat shaded, texture mapped from above.
void loft(MeshBuilder& mesh, const std::vector<std::vector<Vec>>& rings, double halfSpan, double length, int& logical) {
    auto st = [&](const Vec& p) { return std::array<double, 2>{0.5 + p[0] / (2 * halfSpan), 0.5 + p[2] / length}; };
    const size_t sides = rings[0].size();
    for (size_t r = 0; r + 1 < rings.size(); ++r) {
        for (size_t i = 0; i < sides; ++i) {
            const Vec& a = rings[r][i];
            const Vec& b = rings[r][(i + 1) % sides];
            const Vec& c = rings[r + 1][(i + 1) % sides];
            const Vec& d = rings[r + 1][i];
            const int ia = mesh.vertex(a, st(a)[0], st(a)[1], logical++);
            const int ib = mesh.vertex(b, st(b)[0], st(b)[1], logical++);
            const int ic = mesh.vertex(c, st(c)[0], st(c)[1], logical++);
            const int id = mesh.vertex(d, st(d)[0], st(d)[1], logical++);
            mesh.triangle(ia, ib, ic);
            mesh.triangle(ia, ic, id);
        }
    }
    for (size_t end : {size_t(0), rings.size() - 1}) {
        Vec centre{0, 0, 0};
        for (const Vec& p : rings[end]) {
            for (int k = 0; k < 3; ++k) centre[k] += p[k] / sides;
        }
        const int ic = mesh.vertex(centre, st(centre)[0], st(centre)[1], logical++);
        for (size_t i = 0; i < sides; ++i) {
            const Vec& a = rings[end][i];
            const Vec& b = rings[end][(i + 1) % sides];
            const int ia = mesh.vertex(a, st(a)[0], st(a)[1], logical++);
            const int ib = mesh.vertex(b, st(b)[0], st(b)[1], logical++);
            if (end == 0) mesh.triangle(ic, ib, ia);
            else mesh.triangle(ic, ia, ib);
        }
    }
}

std::vector<Vec> ellipse(double cx, double cy, double z, double rx, double ry, int sides) {
    std::vector<Vec> ring;
    for (int i = 0; i < sides; ++i) {
        const double a = 2 * PI * i / sides;
        ring.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a), z});
    }
    return ring;
}

// A flat wedge (wing or fin): a quadrilateral outline given in its own plane,
// extruded by `thickness` along `normalAxis` (0 = x, 1 = y).
void plate(MeshBuilder& mesh, const std::array<Vec, 4>& outline, int normalAxis, double thickness, double halfSpan,
           double length, int& logical) {
    std::vector<std::vector<Vec>> rings(2);
    for (const Vec& p : outline) {
        Vec lo = p, hi = p;
        lo[normalAxis] -= thickness / 2;
        hi[normalAxis] += thickness / 2;
        rings[0].push_back(lo);
        rings[1].push_back(hi);
    }
    // Side walls and the two faces.
    auto st = [&](const Vec& p) { return std::array<double, 2>{0.5 + p[0] / (2 * halfSpan), 0.5 + p[2] / length}; };
    for (int i = 0; i < 4; ++i) {
        const Vec a = rings[0][i], b = rings[0][(i + 1) % 4], c = rings[1][(i + 1) % 4], d = rings[1][i];
        const int ia = mesh.vertex(a, st(a)[0], st(a)[1], logical++), ib = mesh.vertex(b, st(b)[0], st(b)[1], logical++);
        const int ic = mesh.vertex(c, st(c)[0], st(c)[1], logical++), id = mesh.vertex(d, st(d)[0], st(d)[1], logical++);
        mesh.triangle(ia, ib, ic);
        mesh.triangle(ia, ic, id);
    }
    for (int side = 0; side < 2; ++side) {
        int idx[4];
        for (int i = 0; i < 4; ++i) idx[i] = mesh.vertex(rings[side][i], st(rings[side][i])[0], st(rings[side][i])[1], logical++);
        if (side == 0) {
            mesh.triangle(idx[0], idx[2], idx[1]);
            mesh.triangle(idx[0], idx[3], idx[2]);
        } else {
            mesh.triangle(idx[0], idx[1], idx[2]);
            mesh.triangle(idx[0], idx[2], idx[3]);
        }
    }
}

}

Ms3dData asteroid(int variant, double radius, const std::string& texture) {
    const int segments = 24, rings = 17;   // 2 * 24 * 16 = 768 triangles
    const Noise lumps(1100 + variant, 256);
    const Vec stretch[] = {{1.0, 0.8, 0.9}, {0.85, 1.0, 0.75}, {1.0, 0.7, 0.85}};
    const Vec s = stretch[variant % 3];
    auto shape = [&](const Vec& dir) {
        const double n = lumps.solidFractal(dir[0] * 1.6 + 10, dir[1] * 1.6 + 20, dir[2] * 1.6 + 30, 4);
        const double bump = 1.0 + 0.35 * n;
        return Vec{dir[0] * s[0] * bump, dir[1] * s[1] * bump, dir[2] * s[2] * bump};
    };
    // Sample the unscaled shape first, so its farthest point can be set to `radius`.
    std::vector<std::vector<Vec>> points(rings + 1, std::vector<Vec>(segments + 1));
    double farthest = 0.0;
    for (int r = 0; r <= rings; ++r) {
        const double polar = PI * r / rings;
        for (int k = 0; k <= segments; ++k) {
            const double az = 2 * PI * (k % segments) / segments;
            const Vec dir{std::sin(polar) * std::cos(az), std::cos(polar), std::sin(polar) * std::sin(az)};
            points[r][k] = shape(dir);
            farthest = std::max(farthest, std::sqrt(points[r][k][0] * points[r][k][0] + points[r][k][1] * points[r][k][1] +
                                                    points[r][k][2] * points[r][k][2]));
        }
    }
    MeshBuilder mesh;
    std::vector<std::vector<int>> index(rings + 1, std::vector<int>(segments + 1));
    for (int r = 0; r <= rings; ++r) {
        for (int k = 0; k <= segments; ++k) {
            Vec p = points[r][k];
            for (double& c : p) c *= radius / farthest;
            // The poles are one point, and the seam column the same as column 0.
            const int logical = r == 0 ? -1 : r == rings ? -2 : r * segments + k % segments;
            index[r][k] = mesh.vertex(p, double(k) / segments, double(r) / rings, logical);
        }
    }
    for (int r = 0; r < rings; ++r) {
        for (int k = 0; k < segments; ++k) {
            const int a = index[r][k], b = index[r][k + 1], c = index[r + 1][k + 1], d = index[r + 1][k];
            if (r > 0) mesh.triangle(a, b, c);
            if (r < rings - 1) mesh.triangle(a, c, d);
        }
    }
    return mesh.finish(texture, true);
}

Ms3dData fighter(const std::string& texture) {
    MeshBuilder mesh;
    int logical = 0;
    const double length = 500.0, halfSpan = 230.0;
    // Fuselage: from a pointed nose at z = -250 to a flat tail at z = +250.
    const double stations[][4] = {
        // z, width, height, centre y
        {-250, 4, 3, -4}, {-200, 22, 16, -2}, {-120, 40, 30, 0}, {-20, 50, 38, 2},
        {100, 52, 40, 2}, {200, 44, 34, 0}, {250, 36, 28, 0},
    };
    std::vector<std::vector<Vec>> hull;
    for (const auto& st : stations) hull.push_back(ellipse(0, st[3], st[0], st[1] / 2, st[2] / 2, 10));
    loft(mesh, hull, halfSpan, length, logical);
    // Canopy: a low blister over the front of the fuselage.
    std::vector<std::vector<Vec>> canopy;
    const double canopyStations[][3] = {{-140, 6, 4}, {-100, 24, 14}, {-40, 26, 16}, {0, 18, 9}};
    for (const auto& st : canopyStations) canopy.push_back(ellipse(0, 14, st[0], st[1] / 2, st[2] / 2, 8));
    loft(mesh, canopy, halfSpan, length, logical);
    // Swept wings, slightly raised towards their tips.
    for (int side : {-1, 1}) {
        std::array<Vec, 4> wing = {Vec{side * 22.0, 0, -30}, Vec{side * 225.0, 14, 120}, Vec{side * 225.0, 14, 175},
                                   Vec{side * 22.0, 0, 170}};
        if (side > 0) std::swap(wing[1], wing[3]);   // wind both wings so their top faces point up
        plate(mesh, wing, 1, 6, halfSpan, length, logical);
        // Engines under the wing roots.
        std::vector<std::vector<Vec>> engine;
        const double engineStations[][2] = {{40, 10}, {60, 17}, {200, 18}, {235, 14}, {245, 10}};
        for (const auto& st : engineStations) engine.push_back(ellipse(side * 62.0, -10, st[0], st[1], st[1], 10));
        loft(mesh, engine, halfSpan, length, logical);
        // Wingtip cannons.
        std::vector<std::vector<Vec>> cannon;
        for (double z : {-60.0, 150.0}) cannon.push_back(ellipse(side * 228.0, 14, z, 4, 4, 6));
        loft(mesh, cannon, halfSpan, length, logical);
    }
    // Tail fin.
    plate(mesh, {Vec{0, 18, 120}, Vec{0, 85, 210}, Vec{0, 85, 240}, Vec{0, 18, 245}}, 0, 5, halfSpan, length, logical);
    return mesh.finish(texture, false);
}

}
