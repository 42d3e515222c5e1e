#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// Sound effects and one music module through SDL2_mixer, which is handed
// the bytes the one reader read, never a path to open. Every call is safe
// when the device could not be opened or a file not loaded: the game then
// simply stays silent.
class SoundDevice {
public:
    using Sample = Mix_Chunk*;
    using Music = Mix_Music*;

    ~SoundDevice();

    bool open(int rate, int channels);   // false when there is no usable audio device
    void close();
    bool isOpen() const { return opened; }

    Sample loadSample(const std::string& path);   // a game name ("../bin/..."); null on failure
    void freeSample(Sample sample);
    // Starts the sample on a free channel. With `maxPlaybacks` of it already
    // sounding, the oldest of those stops so the newest is always heard.
    void play(Sample sample, int maxPlaybacks);
    int playing(Sample sample) const;   // how many channels sound it now

    Music loadMusic(const std::string& path);   // null on failure
    void freeMusic(Music music);                // stops it first if it plays
    void setMusicVolume(int volume);            // 0..256, the music's own scale
    void setEffectsVolume(int percent);         // every channel: 0..100 of full level
    void playMusicLooping(Music music);
    void pauseMusic(bool paused);               // the music stops where it is, or goes on from there

private:
    bool opened = false;
    bool sdlStarted = false;
    std::vector<unsigned long> startedAt;   // per channel: order in which it last started
    unsigned long starts = 0;
    std::map<Music, std::vector<uint8_t>> musicBytes;   // what each loaded music plays from
};
