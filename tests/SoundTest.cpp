// Guards the effects: heard when played, named when missing, five at most at once, none without a device.
#include "support/GameFixtures.h"
#include "support/TestFiles.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include "shell/GameWindow.h"
#include "support/ShellGame.h"

namespace {

GameWindow& window = shellWindow();
Scene& scene = window.scene;

}


namespace {

const std::string BIN = SPACEFIGHT_BIN_DIR;

// A game folder beside a bin/ folder holding the named sounds only, with the
// disk driver capturing what is played. The driver keeps its real-time pace:
// told to write without pause (SDL_DISKAUDIODELAY=0) it wrote about 48 MB a
// second and, slowed by the sanitizers, held the audio lock so tightly that
// the test never got it back, until the disk was full.
class SoundScene {
public:
    explicit SoundScene(const std::vector<std::string>& sounds) {
        std::filesystem::create_directories(dir.path("game"));
        std::filesystem::create_directories(dir.path("bin/data/Sounds"));
        for (const std::string& s : sounds) {
            std::filesystem::copy_file(BIN + "/data/Sounds/" + s, dir.path("bin/data/Sounds/" + s));
        }
        previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.path("game"));
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", capturePath().c_str(), 1);
        unsetenv("SDL_DISKAUDIODELAY");
        game = std::make_unique<GameFixture>();
        messages = game->worldMessages;
    }
    ~SoundScene() {
        game.reset();
        std::filesystem::current_path(previous);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    std::string capturePath() const { return dir.path("captured.raw"); }

    size_t capturedBytes() const { return readBytes(capturePath()).size(); }

    // The loudest sample (0..1) written since byte `from` of the capture.
    double capturedPeak(size_t from = 0) const {
        const std::vector<uint8_t> raw = readBytes(capturePath());
        double peak = 0;
        for (size_t i = from & ~size_t(1); i + 1 < raw.size(); i += 2) {
            peak = std::max(peak, std::fabs(int16_t(raw[i] | (raw[i + 1] << 8)) / 32768.0));
        }
        return peak;
    }

    TempDir dir;
    std::filesystem::path previous;
    std::unique_ptr<GameFixture> game;
    std::string messages;
};

}

TEST(Sound, AMissingEffectIsNamedAndTheEffectsAfterItMoveUp) {
    SoundScene scene({"explosion.mp3", "nearExplosion.mp3"});
    EXPECT_EQ(scene.messages,
              "Error Loading Sound File ../bin/data/Sounds/laser.wav\n"
              "Error Loading Sound File ../bin/data/Sounds/hit.wav\nError loading Background Music!\n");
    World& world = *scene.game->world;
    SDL_Delay(100);
    EXPECT_LT(scene.capturedPeak(), 0.001);   // nothing plays until asked
    world.playSample(2);   // only two effects now: nothing
    world.playSample(3);
    SDL_Delay(150);
    EXPECT_LT(scene.capturedPeak(), 0.001);
    const size_t before = scene.capturedBytes();
    world.playSample(1);   // the impact, second of what loaded
    SDL_Delay(150);
    EXPECT_GT(scene.capturedPeak(before), 0.1);
}

TEST(Sound, AtMostFivePlaybacksOfOneEffectTheNewestAlwaysHeard) {
    SoundScene scene({"laser.wav", "explosion.mp3", "nearExplosion.mp3"});
    SoundDevice device;
    ASSERT_TRUE(device.open(44100, 32));
    const SoundDevice::Sample boom = device.loadSample("../bin/data/Sounds/explosion.mp3");
    ASSERT_NE(boom, nullptr);
    for (int i = 0; i < 7; ++i) device.play(boom, 5);
    EXPECT_EQ(device.playing(boom), 5);
    device.freeSample(boom);
}

TEST(Sound, WithoutADeviceTheGameGoesOnSilently) {
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    testing::internal::CaptureStdout();
    TextureBank bank;
    {
        World world(&bank);
        world.playSample(0);
        world.startMusic();
    }
    const std::string messages = testing::internal::GetCapturedStdout();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(messages.rfind("Error Initing Sound\n", 0), 0u) << messages;
    EXPECT_NE(messages.find("Error loading Background Music!\n"), std::string::npos);
}
