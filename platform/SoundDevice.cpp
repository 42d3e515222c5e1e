#include "SoundDevice.h"

#include "FileReader.h"

#include "SdlLibrary.h"

SoundDevice::~SoundDevice() {
    close();
}

bool SoundDevice::open(int rate, int channels) {
    if (!SdlLibrary::open()) return false;
    // SDL's own handlers would turn Ctrl+C and kill into an event nobody reads;
    // the game handles both itself.
    sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    sdlStarted = true;
    if (sdl.Mix_OpenAudio(rate, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
    sdl.Mix_Init(MIX_INIT_MP3 | MIX_INIT_MOD);
    startedAt.assign(static_cast<size_t>(sdl.Mix_AllocateChannels(channels)), 0);
    opened = true;
    return true;
}

void SoundDevice::close() {
    if (opened) {
        sdl.Mix_HaltChannel(-1);
        sdl.Mix_HaltMusic();
        sdl.Mix_CloseAudio();
        sdl.Mix_Quit();
        opened = false;
    }
    if (sdlStarted) {
        sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sdlStarted = false;
    }
}

SoundDevice::Sample SoundDevice::loadSample(const std::string& path) {
    if (!opened) return nullptr;   // decoding needs the device's format
    std::vector<uint8_t> bytes;
    std::string why;
    if (!FileReader::read(path, FileReader::SOUND, bytes, why) || bytes.empty()) return nullptr;
    // Decoded whole here: the bytes are not needed afterwards.
    return sdl.Mix_LoadWAV_RW(sdl.SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
}

void SoundDevice::freeSample(Sample sample) {
    if (!sample) return;
    for (size_t channel = 0; channel < startedAt.size(); ++channel) {
        if (sdl.Mix_GetChunk(int(channel)) == sample) sdl.Mix_HaltChannel(int(channel));
    }
    sdl.Mix_FreeChunk(sample);
}

int SoundDevice::playing(Sample sample) const {
    int count = 0;
    for (size_t channel = 0; channel < startedAt.size(); ++channel) {
        if (sdl.Mix_Playing(int(channel)) && sdl.Mix_GetChunk(int(channel)) == sample) ++count;
    }
    return count;
}

void SoundDevice::play(Sample sample, int maxPlaybacks) {
    if (!opened || !sample) return;
    int oldest = -1;
    if (playing(sample) >= maxPlaybacks) {
        for (size_t channel = 0; channel < startedAt.size(); ++channel) {
            if (!sdl.Mix_Playing(int(channel)) || sdl.Mix_GetChunk(int(channel)) != sample) continue;
            if (oldest < 0 || startedAt[channel] < startedAt[size_t(oldest)]) oldest = int(channel);
        }
        sdl.Mix_HaltChannel(oldest);
    }
    const int channel = sdl.Mix_PlayChannel(oldest, sample, 0);
    if (channel >= 0) startedAt[size_t(channel)] = ++starts;
}

SoundDevice::Music SoundDevice::loadMusic(const std::string& path) {
    if (!opened) return nullptr;
    std::vector<uint8_t> bytes;
    std::string why;
    if (!FileReader::read(path, FileReader::MUSIC, bytes, why) || bytes.empty()) return nullptr;
    // The music may be read from as it plays: its bytes live as long as it.
    const Music music = sdl.Mix_LoadMUS_RW(sdl.SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
    if (music) musicBytes[music] = std::move(bytes);
    return music;
}

void SoundDevice::freeMusic(Music music) {
    if (!music) return;
    sdl.Mix_FreeMusic(music);
    musicBytes.erase(music);
}

void SoundDevice::setMusicVolume(int volume) {
    if (opened) sdl.Mix_VolumeMusic(volume * MIX_MAX_VOLUME / 256);
}

void SoundDevice::setEffectsVolume(int percent) {
    if (opened) sdl.Mix_Volume(-1, percent * MIX_MAX_VOLUME / 100);
}

void SoundDevice::pauseMusic(bool paused) {
    if (!opened) return;
    if (paused) sdl.Mix_PauseMusic();
    else sdl.Mix_ResumeMusic();
}

void SoundDevice::playMusicLooping(Music music) {
    if (opened && music) sdl.Mix_PlayMusic(music, -1);
}
