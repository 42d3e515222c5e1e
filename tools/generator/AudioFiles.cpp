#include "AudioFiles.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

void put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

void tag(std::vector<uint8_t>& out, const char* four) {
    out.insert(out.end(), four, four + 4);
}

}

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    tag(out, "RIFF");
    put(out, 36 + dataBytes, 4);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2);   // PCM
    put(out, 1, 2);   // mono
    put(out, SAMPLE_RATE, 4);
    put(out, SAMPLE_RATE * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    tag(out, "data");
    put(out, dataBytes, 4);
    for (int16_t s : samples) put(out, static_cast<uint16_t>(s), 2);
    return out;
}

std::vector<uint8_t> encodeMp3(const std::vector<int16_t>& samples, int kilobitsPerSecond) {
    lame_global_flags* lame = lame_init();
    if (!lame) throw std::runtime_error("LAME cannot start");
    lame_set_in_samplerate(lame, SAMPLE_RATE);
    lame_set_out_samplerate(lame, SAMPLE_RATE);
    lame_set_num_channels(lame, 1);
    lame_set_mode(lame, MONO);
    lame_set_brate(lame, kilobitsPerSecond);
    lame_set_quality(lame, 2);
    // No tags: they would carry the encoder's version and make files differ.
    lame_set_bWriteVbrTag(lame, 0);
    id3tag_init(lame);
    lame_set_write_id3tag_automatic(lame, 0);
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        throw std::runtime_error("LAME refused its settings");
    }
    std::vector<uint8_t> out(samples.size() * 5 / 4 + 7200 + 7200);
    std::vector<int16_t> pcm = samples;
    int written = lame_encode_buffer(lame, pcm.data(), pcm.data(), static_cast<int>(pcm.size()), out.data(),
                                     static_cast<int>(out.size()));
    if (written < 0) {
        lame_close(lame);
        throw std::runtime_error("LAME failed to encode");
    }
    const int flushed = lame_encode_flush(lame, out.data() + written, static_cast<int>(out.size()) - written);
    lame_close(lame);
    if (flushed < 0) throw std::runtime_error("LAME failed to flush");
    out.resize(size_t(written + flushed));
    return out;
}

std::vector<int16_t> toPcm(const std::vector<double>& signal, double peak) {
    double loudest = 1e-9;
    for (double v : signal) loudest = std::max(loudest, std::abs(v));
    std::vector<int16_t> out;
    out.reserve(signal.size());
    for (double v : signal) out.push_back(static_cast<int16_t>(std::lround(v / loudest * peak * 32767.0)));
    return out;
}
