// Guards the MS3D reader: every block read, damaged files refused, nothing allocated or written past bounds.
#include "assets/Ms3dModel.h"
#include "support/AllocationProbe.h"
#include "support/ModelFixtures.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

TEST(Ms3dModel, EveryBlockOfAModelIsReadAndTextureRowsAreFlipped) {
    Ms3dData data = pyramidModel("../bin/rock.bmp", true);
    data.triangles[2].t[1] = 0.25f;
    InspectableModel model;
    ASSERT_TRUE(model.parse(encodeMs3d(data)));
    EXPECT_EQ(model.vertexCount(), 5);
    EXPECT_EQ(model.triangleCount(), 6);
    EXPECT_EQ(model.meshCount(), 2);
    EXPECT_EQ(model.materialCount(), 1);
    EXPECT_EQ(model.triangles[2].t[1], 0.75f);   // stored flipped for OpenGL
    EXPECT_EQ(model.triangles[1].vertexIndices[1], 2);
    EXPECT_EQ(model.vertices[4].location[2], 1.0f);
    EXPECT_EQ(model.meshes[1].materialIndex, -1);
    EXPECT_EQ(model.meshes[1].triangleIndices, (std::vector<int32_t>{4, 5}));
    EXPECT_EQ(model.materials[0].textureFileName, "../bin/rock.bmp");
    EXPECT_FLOAT_EQ(model.materials[0].diffuse[1], 0.7f);
}

TEST(Ms3dModel, RefusedFilesLeaveTheModelAsItWasAndAllocateNothingTheyOnlyClaim) {
    const std::vector<uint8_t> good = encodeMs3d(pyramidModel("a.bmp", true));
    // A count of 65535 where the file ends.
    auto claiming = [&](size_t at) {
        std::vector<uint8_t> bytes(good.begin(), good.begin() + long(at) + 2);
        bytes[at] = bytes[at + 1] = 0xFF;
        return bytes;
    };
    // Offsets in the pyramid's file: header 14, vertex block 2 + 5 * 15, then triangles.
    const size_t firstTriangle = 14 + 2 + 5 * 15 + 2;
    const size_t groups = firstTriangle + 6 * 70;
    const size_t firstGroupIndex = groups + 2 + 1 + 32 + 2;
    const size_t firstGroupMaterial = firstGroupIndex + 4 * 2;
    const size_t materials = groups + 2 + (1 + 32 + 2 + 4 * 2 + 1) + (1 + 32 + 2 + 2 * 2 + 1);
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"version 2", withByte(good, 10, 2)},
        {"version 5", withByte(good, 10, 5)},
        {"identifier's last byte", withByte(good, 9, '1')},
        {"vertex index 5 of 5", withByte(good, firstTriangle + 2, 5)},
        {"triangle index 6 of 6", withByte(good, firstGroupIndex, 6)},
        {"material index 1 of 1", withByte(good, firstGroupMaterial, 1)},
        {"vertex count past the end", withByte(good, 14, 0xFF)},
        // Found by fuzzing: a few bytes claiming 65535 groups or materials made
        // the reader build them all (megabytes) before finding the file too short.
        {"65535 groups", claiming(groups)},
        {"65535 materials", claiming(materials)},
    };
    InspectableModel model;
    const Ms3dData before = pyramidModel("kept.bmp");
    ASSERT_TRUE(model.parse(encodeMs3d(before)));
    for (const Case& c : cases) {
        AllocationProbe probe;
        EXPECT_FALSE(model.parse(c.bytes)) << c.what;
        EXPECT_LT(probe.largest(), 4 * good.size()) << c.what;
        EXPECT_EQ(model.meshCount(), 1) << c.what;
        EXPECT_EQ(model.materials[0].textureFileName, "kept.bmp") << c.what;
    }
    // The keyframer block after the materials is not read; everything before it must be there.
    for (size_t n = 0; n < good.size() - MS3D_KEYFRAMER_BYTES; ++n) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + n);
        EXPECT_FALSE(model.parse(cut)) << "cut at " << n;
    }
    EXPECT_EQ(model.triangleCount(), 6);
    EXPECT_FALSE(model.load("/nonexistent/model.ms3d"));
}

TEST(Ms3dModel, FillsInterleavedArraysWithinTheirCapacity) {
    InspectableModel model;
    ASSERT_TRUE(model.parse(encodeMs3d(pyramidModel(""))));
    std::vector<float> array(6 * 24 + 1, -7.0f);
    EXPECT_EQ(model.fillVertexArray(array.data(), array.size()), 6u * 24);
    // Triangle 1, corner 0: s, t, normal, location in that order.
    const float* corner = &array[24 * 1];
    const Model::Triangle& tri = model.triangles[1];
    EXPECT_EQ(std::vector<float>(corner, corner + 8),
              (std::vector<float>{tri.s[0], tri.t[0], tri.vertexNormals[0][0], tri.vertexNormals[0][1],
                                  tri.vertexNormals[0][2], 1.0f, -1.0f, 0.0f}));   // the corner at (1, -1, 0)
    EXPECT_EQ(array.back(), -7.0f);

    // Room for two and a half triangles: two are written, nothing beyond them.
    std::vector<float> small(60, -7.0f);
    EXPECT_EQ(model.fillVertexArray(small.data(), 50), 48u);
    EXPECT_EQ(small[47], 1.0f);
    EXPECT_EQ(small[48], -7.0f);
    EXPECT_EQ(small[59], -7.0f);
}
