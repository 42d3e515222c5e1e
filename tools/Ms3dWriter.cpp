#include "Ms3dWriter.h"

#include "ByteWriter.h"

std::vector<uint8_t> encodeMs3d(const Ms3dData& data) {
    ByteWriter out;
    out.tag("MS3D000000");
    out.u32(4);
    out.u16(static_cast<uint16_t>(data.vertices.size()));
    for (const auto& v : data.vertices) {
        out.u8(0);
        out.floats(v.location, 3);
        out.u8(static_cast<uint8_t>(v.boneId));
        out.u8(0);
    }
    out.u16(static_cast<uint16_t>(data.triangles.size()));
    for (const auto& t : data.triangles) {
        out.u16(0);
        for (uint16_t i : t.vertexIndices) out.u16(i);
        for (const auto& n : t.normals) out.floats(n, 3);
        out.floats(t.s, 3);
        out.floats(t.t, 3);
        out.u8(1);
        out.u8(t.group);
    }
    out.u16(static_cast<uint16_t>(data.groups.size()));
    for (const auto& g : data.groups) {
        out.u8(0);
        out.text(g.name, 32);
        out.u16(static_cast<uint16_t>(g.triangleIndices.size()));
        for (uint16_t i : g.triangleIndices) out.u16(i);
        out.u8(static_cast<uint8_t>(g.materialIndex));
    }
    out.u16(static_cast<uint16_t>(data.materials.size()));
    for (const auto& m : data.materials) {
        out.text(m.name, 32);
        out.floats(m.ambient, 4);
        out.floats(m.diffuse, 4);
        out.floats(m.specular, 4);
        out.floats(m.emissive, 4);
        out.f32(m.shininess);
        out.f32(1.0f);   // transparency: opaque
        out.u8(0);
        out.text(m.texture, 128);
        out.text("", 128);
    }
    // The keyframer block every MilkShape file carries: no animation, no joints.
    out.f32(24.0f);   // frames per second
    out.f32(0.0f);    // current time
    out.u32(1);       // total frames
    out.u16(0);       // joints
    return out.bytes;
}
