// Writes every file the game reads under "../bin/" into the folder given on the
// command line: pictures, font images, models, sounds and music, all made here
// from code and fixed seeds, so every run writes the same bytes. With --icons,
// writes the desktop icon (PNG) in four sizes instead.
#include "AudioFiles.h"
#include "FontImages.h"
#include "Icon.h"
#include "Models.h"
#include "Music.h"
#include "Pictures.h"
#include "Sounds.h"
#include "tools/BmpWriter.h"
#include "tools/Ms3dWriter.h"
#include "tools/PngWriter.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path out;

void save(const std::string& relative, const std::vector<uint8_t>& bytes) {
    const fs::path path = out / relative;
    fs::create_directories(path.parent_path());
    if (!writeFile(path.string(), bytes)) throw std::runtime_error("cannot write " + path.string());
}

void savePicture(const std::string& relative, const Canvas& c) {
    save(relative, encodeBmp24(c.width(), c.height(), c.rgbBottomUp()));
}

void makePictures(const std::string& fonts) {
    savePicture("data/cockpit/cockpit.bmp", Pictures::cockpit());
    save("data/cockpit/cockpitMask.bmp",
         encodeBmp1(Pictures::COCKPIT_WIDTH, Pictures::COCKPIT_HEIGHT, Pictures::cockpitMask()));
    savePicture("data/cockpit/dials.bmp", Pictures::dialFaces());
    savePicture("data/cockpit/CrossHair.bmp", Pictures::crosshair());
    savePicture("data/div/GameOver.bmp", Pictures::gameOver(fonts + "/DejaVuSans-Bold.ttf"));
    const char* rocks[] = {"oberf2k2.bmp", "ober4k.bmp", "ober3k.bmp"};
    for (int i = 0; i < 3; ++i) savePicture(rocks[i], Pictures::rockSurface(i));
    for (int i = 0; i < 52; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "data/explosion/ex%02d.bmp", i);
        savePicture(name, Pictures::explosionFrame(i));
    }
    savePicture("data/sky/skyTexture.bmp", Pictures::sky());
    savePicture("data/Ships/hull.bmp", Pictures::hull());
    savePicture("data/Ships/hullDetail.bmp", Pictures::hullDetail());
    save("data/fonts/font_256x256.raw", fontImage(fonts + "/DejaVuSansMono.ttf", fonts + "/DejaVuSansMono-Bold.ttf"));
    save("data/fonts/bumps_128x128.raw", bumpsImage());
}

void makeModels() {
    // Collision radii 8.7, 6.7 and 12.3 at the game's scale of 0.08.
    const double radii[] = {8.7 / 0.08, 6.7 / 0.08, 12.3 / 0.08};
    const char* textures[] = {"../bin/oberf2k2.bmp", "../bin/ober4k.bmp", "../bin/ober3k.bmp"};
    for (int i = 0; i < 3; ++i) {
        save("data/asteroids/ast" + std::to_string(i + 1) + ".ms3d", encodeMs3d(Models::asteroid(i, radii[i], textures[i])));
    }
    save("data/Ships/xwingPart1.ms3d", encodeMs3d(Models::fighter("../bin/data/Ships/hull.bmp")));
    save("data/Ships/xwingPart2.ms3d", encodeMs3d(Models::fighter("../bin/data/Ships/hullDetail.bmp")));
    // The game opens this folder both as "Ships" and as "ships".
    const fs::path alias = out / "data/ships";
    if (!fs::is_symlink(alias)) {
        fs::remove_all(alias);
        fs::create_directory_symlink("Ships", alias);
    }
}

void makeSounds() {
    save("data/Sounds/laser.wav", encodeWav(toPcm(Sounds::laser())));
    save("data/Sounds/hit.wav", encodeWav(toPcm(Sounds::hit())));
    save("data/Sounds/explosion.mp3", encodeMp3(toPcm(Sounds::explosion()), 128));
    save("data/Sounds/nearExplosion.mp3", encodeMp3(toPcm(Sounds::nearExplosion()), 128));
    save("data/Sounds/invtro94.s3m", encodeS3m(composeMusic()));
}

}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--icons") {
        // The sizes menus and software centres pick from, in the hicolor theme's layout.
        for (const int size : {48, 64, 128, 256}) {
            const std::string side = std::to_string(size);
            const fs::path icon = fs::path(argv[2]) / (side + "x" + side) / "apps" / "spacefight.png";
            std::error_code ignored;
            fs::create_directories(icon.parent_path(), ignored);
            if (!writePng(icon.string(), size, size, 4, Icon::rgba(size))) {
                std::fprintf(stderr, "asset generator: cannot write %s\n", icon.c_str());
                return 1;
            }
        }
        return 0;
    }
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [FONT_DIR]\n       %s --icons HICOLOR_DIR\n", argv[0], argv[0]);
        return 2;
    }
    out = argv[1];
    const std::string fonts = argc == 3 ? argv[2] : "/usr/share/fonts/truetype/dejavu";
    try {
        makePictures(fonts);
        makeModels();
        makeSounds();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "asset generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
