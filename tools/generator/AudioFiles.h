#pragma once

#include <cstdint>
#include <vector>

// Mono 16-bit PCM at 44100 Hz: a RIFF WAVE file, and an MP3 made with LAME.
constexpr int SAMPLE_RATE = 44100;

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples);
std::vector<uint8_t> encodeMp3(const std::vector<int16_t>& samples, int kilobitsPerSecond);

// Turns -1..1 floats into 16-bit samples, scaled so the loudest is at `peak`.
std::vector<int16_t> toPcm(const std::vector<double>& signal, double peak = 0.9);
