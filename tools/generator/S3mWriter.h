#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A Scream Tracker 3 module as written to disk: 8-bit unsigned samples,
// 64-row patterns, up to 32 channels.
struct S3mModule {
    struct Instrument {
        std::string name;
        std::vector<uint8_t> data;   // unsigned 8-bit PCM
        bool loop = false;
        uint32_t loopStart = 0, loopEnd = 0;
        uint8_t volume = 64;         // 0..64
        uint32_t c2Speed = 8363;     // sample rate that plays at middle C (C-4)
    };
    struct Cell {
        uint8_t note = 255;          // high nibble octave, low nibble semitone; 254 note off; 255 none
        uint8_t instrument = 0;      // 1-based; 0 none
        uint8_t volume = 255;        // 0..64; 255 none
        uint8_t command = 0;         // 1 = A, 2 = B ...; 0 none
        uint8_t info = 0;
    };
    using Pattern = std::vector<std::vector<Cell>>;   // [row 0..63][channel]

    std::string title;
    uint8_t initialSpeed = 6;        // ticks per row
    uint8_t initialTempo = 125;      // beats per minute (2.5 / tempo seconds per tick)
    uint8_t globalVolume = 64;
    uint8_t masterVolume = 0xB0;     // stereo, 48
    std::vector<uint8_t> channelPans;   // one per channel used: 0..15, 0 left, 15 right
    std::vector<Instrument> instruments;
    std::vector<Pattern> patterns;
    std::vector<uint8_t> orders;     // pattern numbers
};

std::vector<uint8_t> encodeS3m(const S3mModule& module);
