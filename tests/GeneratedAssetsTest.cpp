// Guards the generated assets: read alike by our readers and independent ones, and the same bytes each time.
#include "assets/BmpDecoder.h"
#include "assets/RawImage.h"
#include "assets/BmpRecord.h"
#include "support/ModelFixtures.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>

namespace {

const std::string BIN = SPACEFIGHT_BIN_DIR;

std::string capture(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[4096];
    size_t n;
    while (pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) out.append(buffer, n);
    return out;
}

std::vector<std::string> pictures() {
    std::vector<std::string> files = {"data/cockpit/cockpit.bmp", "data/cockpit/cockpitMask.bmp",
                                      "data/cockpit/CrossHair.bmp", "data/div/GameOver.bmp", "oberf2k2.bmp",
                                      "ober4k.bmp", "ober3k.bmp", "data/sky/skyTexture.bmp", "data/Ships/hull.bmp",
                                      "data/Ships/hullDetail.bmp"};
    for (int i = 0; i < 52; ++i) {
        char name[40];
        std::snprintf(name, sizeof name, "data/explosion/ex%02d.bmp", i);
        files.push_back(name);
    }
    return files;
}

double soxValue(const std::string& file, const std::string& field) {
    const std::string stats = capture("sox '" + file + "' -n stat 2>&1");
    const size_t at = stats.find(field);
    return at == std::string::npos ? -1.0 : std::atof(stats.c_str() + stats.find(':', at) + 1);
}

}

TEST(GeneratedAssets, EveryPictureDecodesAlikeInOurReaderAndImageMagick) {
    std::string command = "cd '" + BIN + "' && /usr/bin/identify -format '%w %h\\n'";
    for (const std::string& f : pictures()) command += " '" + f + "'";
    std::istringstream sizes(capture(command));
    for (const std::string& f : pictures()) {
        int w = 0, h = 0;
        sizes >> w >> h;
        const auto image = loadDibImage(BIN + "/" + f);
        ASSERT_NE(image, nullptr) << f;
        EXPECT_EQ(image->width, w) << f;
        EXPECT_EQ(image->height, h) << f;
    }
    EXPECT_EQ(loadDibImage(BIN + "/ober4k.bmp")->width, 256);
}

TEST(GeneratedAssets, CockpitAndMaskAgreeAndLeaveRoomForTheDisplay) {
    const auto picture = loadDibImage(BIN + "/data/cockpit/cockpit.bmp");
    BmpRecord mask;
    ASSERT_TRUE(picture && readBmpRecord(mask, BIN + "/data/cockpit/cockpitMask.bmp"));
    ASSERT_EQ(picture->width, 1024);
    ASSERT_EQ(picture->height, 768);
    ASSERT_EQ(mask.width(), 1024);
    ASSERT_EQ(mask.height(), 768);
    const std::vector<uint8_t> bits = mask.stencilIndices();   // both bottom row first
    int disagreements = 0;
    for (size_t i = 0; i < bits.size(); ++i) {
        const uint8_t* p = &picture->pixels[i * 3];
        disagreements += (p[0] || p[1] || p[2]) != (bits[i] == 1);
    }
    EXPECT_EQ(disagreements, 0);
    // The text lines (font units 10..200 by 155..243 of 640 x 480, glyphs 16 high)
    // and the 100-pixel crosshair must show through the window.
    auto clear = [&](int x0, int y0, int x1, int y1) {   // pixels, from the bottom left
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (bits[size_t(y) * 1024 + x]) return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(clear(10 * 1024 / 640, 155 * 768 / 480, 210 * 1024 / 640, 259 * 768 / 480));
    EXPECT_TRUE(clear(512 - 50, 384 - 50, 512 + 50, 384 + 50));
}

TEST(GeneratedAssets, ModelsFitTheirSizesAndReadAlikeElsewhere) {
    struct Case {
        std::string file;
        double radius;   // model units
        int minTriangles, maxTriangles;
    } cases[] = {
        {"data/asteroids/ast1.ms3d", 8.7 / 0.08, 700, 833},
        {"data/asteroids/ast2.ms3d", 6.7 / 0.08, 700, 833},
        {"data/asteroids/ast3.ms3d", 12.3 / 0.08, 700, 833},
        {"data/Ships/xwingPart1.ms3d", 13.0 / 0.05, 100, 5000},
        {"data/ships/xwingPart2.ms3d", 13.0 / 0.05, 100, 5000},
    };
    for (const Case& c : cases) {
        InspectableModel model;
        ASSERT_TRUE(model.parse(readBytes(BIN + "/" + c.file))) << c.file;
        EXPECT_EQ(model.meshCount(), 1) << c.file;
        EXPECT_GE(model.triangleCount(), c.minTriangles) << c.file;
        EXPECT_LE(model.triangleCount(), c.maxTriangles) << c.file;
        double farthest = 0, nose = 0, tail = 0;
        for (const auto& v : model.vertices) {
            farthest = std::max(farthest, std::hypot(double(v.location[0]), double(v.location[1]), double(v.location[2])));
            nose = std::min(nose, double(v.location[2]));
            tail = std::max(tail, double(v.location[2]));
        }
        EXPECT_NEAR(farthest, c.radius, c.radius * 0.1) << c.file;
        for (const auto& t : model.triangles) {
            for (const auto& n : t.vertexNormals) ASSERT_NEAR(std::hypot(n[0], n[1], n[2]), 1.0, 1e-4) << c.file;
        }
        if (c.file.find("xwing") != std::string::npos) {
            EXPECT_NEAR(tail - nose, 500.0, 50.0) << "length of " << c.file;
            EXPECT_LT(nose, -tail * 0.8) << "the nose should point along -z";
        }
        // An independent reader sees the same triangles.
        const std::string info = capture("assimp info '" + BIN + "/" + c.file + "' 2>&1");
        EXPECT_NE(info.find("Faces:              " + std::to_string(model.triangleCount())), std::string::npos) << info;
    }
}

TEST(GeneratedAssets, FontImagesHaveTheirExactSizesAndGlyphs) {
    const auto font = readRaw(BIN + "/data/fonts/font_256x256.raw", 256, 256);
    ASSERT_NE(font, nullptr);
    EXPECT_NE(readRaw(BIN + "/data/fonts/bumps_128x128.raw", 128, 128), nullptr);
    // Lit pixels in a cell counted from the top-left; rows are stored bottom first.
    auto lit = [&](int cell) {
        int count = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const int row = 255 - ((cell / 16) * 16 + y), column = (cell % 16) * 16 + x;
                count += font->pixels[(size_t(row) * 256 + column) * 3] > 128;
            }
        }
        return count;
    };
    EXPECT_GT(lit('A' - 32), 10);
    EXPECT_GT(lit(128 + 'A' - 32), lit('A' - 32));   // bold has more ink
    EXPECT_EQ(lit(' ' - 32), 0);
    EXPECT_EQ(lit(100), 0);   // cells past the 96 characters stay empty
}

TEST(GeneratedAssets, SoundsDecodeToTheirLengthsAndAreNotSilent) {
    struct Case {
        std::string file;
        double seconds;
    } cases[] = {{"laser.wav", 0.25}, {"explosion.mp3", 1.5}, {"nearExplosion.mp3", 0.5}, {"hit.wav", 0.12}};
    for (const Case& c : cases) {
        const std::string file = BIN + "/data/Sounds/" + c.file;
        EXPECT_NEAR(soxValue(file, "Length (seconds)"), c.seconds, 0.06) << c.file;
        EXPECT_GT(soxValue(file, "RMS     amplitude"), 0.05) << c.file;
    }
}

TEST(GeneratedAssets, RegeneratingGivesTheSameBytes) {
    TempDir dir;
    ASSERT_TRUE(run(std::string(ASSET_GENERATOR) + " '" + dir.path("bin") + "'"));
    EXPECT_TRUE(run("diff -r '" + dir.path("bin") + "' '" + BIN + "' > /dev/null"));
}
