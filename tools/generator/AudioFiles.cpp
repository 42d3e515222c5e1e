#include "AudioFiles.h"

#include "tools/ByteWriter.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    ByteWriter out;
    out.tag("RIFF");
    out.u32(36 + dataBytes);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1);   // PCM
    out.u16(1);   // mono
    out.u32(SAMPLE_RATE);
    out.u32(SAMPLE_RATE * 2);
    out.u16(2);
    out.u16(16);
    out.tag("data");
    out.u32(dataBytes);
    for (int16_t s : samples) out.u16(static_cast<uint16_t>(s));
    return out.bytes;
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
