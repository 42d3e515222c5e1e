// Guards the generated music: SDL_mixer plays it, audibly, for over a minute.
#include "support/TestFiles.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

// SDL's disk driver writes what the mixer really played to a file. With a
// pause of 1 ms after each 23 ms buffer a minute and a half of music renders in
// a few seconds, and the pause lets the test take the audio lock between
// buffers: without any, a slow (sanitized) build never got it back while the
// driver filled the disk.
TEST(Music, ModulePlaysInSdlMixerForOverAMinuteBeforeItEnds) {
    const std::string module = std::string(SPACEFIGHT_BIN_DIR) + "/data/Sounds/invtro94.s3m";
    TempDir dir;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", dir.path("music.raw").c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    Mix_Music* music = Mix_LoadMUS(module.c_str());
    ASSERT_NE(music, nullptr) << Mix_GetError();
    const double length = Mix_MusicDuration(music);
    EXPECT_GE(length, 60.0);
    EXPECT_LE(length, 120.0);
    ASSERT_EQ(Mix_PlayMusic(music, 0), 0);
    const Uint32 start = SDL_GetTicks();
    while (Mix_PlayingMusic() && SDL_GetTicks() - start < 30000) SDL_Delay(10);
    Mix_FreeMusic(music);
    Mix_CloseAudio();
    SDL_Quit();

    const std::vector<uint8_t> raw = readBytes(dir.path("music.raw"));
    const size_t second = 44100 * 4;   // stereo 16-bit frames
    int audibleSeconds = 0;
    for (size_t at = 0; at + second <= raw.size(); at += second) {
        double sum = 0;
        for (size_t i = at; i < at + second; i += 2) {
            const double v = int16_t(raw[i] | (raw[i + 1] << 8)) / 32768.0;
            sum += v * v;
        }
        audibleSeconds += std::sqrt(sum / (second / 2)) > 0.01;
    }
    EXPECT_GE(audibleSeconds, 60) << "of " << raw.size() / second << " seconds rendered";
}
