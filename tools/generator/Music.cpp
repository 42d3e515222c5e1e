#include "Music.h"

#include "Rng.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int RATE = 16726;        // sample rate of every instrument
constexpr int PERIOD = 64;         // samples per cycle of the pitched loops
constexpr int ROWS = 64;
constexpr int CHANNELS = 7;
enum Channel { BASS, PAD1, PAD2, PAD3, BELL, KICK, SNARE };
enum Instrument { I_BASS = 1, I_PAD, I_BELL, I_KICK, I_SNARE, I_HAT };

std::vector<uint8_t> toUnsigned8(const std::vector<double>& signal, double peak) {
    double loudest = 1e-9;
    for (double v : signal) loudest = std::max(loudest, std::abs(v));
    std::vector<uint8_t> out;
    for (double v : signal) out.push_back(static_cast<uint8_t>(std::lround(128.0 + 127.0 * peak * v / loudest)));
    return out;
}

// Band-limited sawtooth: the first harmonics only, so loops stay clean.
double saw(double phase, int harmonics) {
    double v = 0.0;
    for (int k = 1; k <= harmonics; ++k) v += std::sin(2 * PI * k * phase) / k;
    return v;
}

S3mModule::Instrument pad() {
    // Two saws 101 and 102 cycles to the loop: a slow chorus that loops seamlessly.
    const int length = PERIOD * 101;
    std::vector<double> s(length);
    for (int i = 0; i < length; ++i) {
        const double t = double(i) / length;
        s[i] = saw(t * 101, 10) + saw(t * 102, 10) + 0.5 * std::sin(2 * PI * t * 50.5);
    }
    S3mModule::Instrument ins{"Pad", toUnsigned8(s, 0.9), true, 0, static_cast<uint32_t>(length), 40, RATE * 2};
    return ins;
}

S3mModule::Instrument bass() {
    const int length = PERIOD * 4;
    std::vector<double> s(length);
    for (int i = 0; i < length; ++i) {
        const double p = double(i) / PERIOD;
        s[i] = std::sin(2 * PI * p) + 0.25 * std::sin(6 * PI * p) + 0.1 * std::sin(10 * PI * p);
    }
    return {"Bass", toUnsigned8(s, 0.95), true, 0, static_cast<uint32_t>(length), 64, RATE};
}

S3mModule::Instrument bell() {
    const int length = RATE * 3 / 2;
    const double f = double(RATE) / PERIOD;
    std::vector<double> s(length);
    for (int i = 0; i < length; ++i) {
        const double t = double(i) / RATE;
        const double index = 3.0 * std::exp(-t * 4.0);
        s[i] = std::sin(2 * PI * f * t + index * std::sin(2 * PI * f * 3.5 * t)) * std::exp(-t * 2.6) *
               std::min(1.0, t * 500);
    }
    return {"Bell", toUnsigned8(s, 0.9), false, 0, 0, 48, RATE};
}

S3mModule::Instrument kick() {
    const int length = RATE * 3 / 10;
    std::vector<double> s(length);
    double phase = 0.0;
    for (int i = 0; i < length; ++i) {
        const double t = double(i) / RATE;
        phase += (45.0 + 90.0 * std::exp(-t * 30.0)) / RATE;
        s[i] = std::sin(2 * PI * phase) * std::exp(-t * 9.0);
    }
    return {"Kick", toUnsigned8(s, 1.0), false, 0, 0, 64, RATE};
}

S3mModule::Instrument noiseHit(const char* name, double seconds, double decay, double tone, uint64_t seed) {
    const int length = static_cast<int>(RATE * seconds);
    std::vector<double> s(length);
    Rng rng(seed);
    double previous = 0.0;
    for (int i = 0; i < length; ++i) {
        const double t = double(i) / RATE;
        const double white = rng.range(-1.0, 1.0);
        const double bright = white - previous;   // a first difference: brighter, hissier noise
        previous = white;
        s[i] = (bright + tone * std::sin(2 * PI * 180.0 * t)) * std::exp(-t * decay);
    }
    return {name, toUnsigned8(s, 0.9), false, 0, 0, 64, RATE};
}

// Notes as semitones above C of octave 0; written as octave << 4 | semitone.
uint8_t note(int semitones) {
    return static_cast<uint8_t>(((semitones / 12) << 4) | (semitones % 12));
}
constexpr int C = 0, D = 2, E = 4, F = 5, G = 7, A = 9, B = 11;
int n(int pitch, int octave) { return octave * 12 + pitch; }

struct Chord {
    int root;        // bass note
    int voices[3];   // pad notes
};

class Writer {
public:
    S3mModule::Pattern pattern = S3mModule::Pattern(ROWS, std::vector<S3mModule::Cell>(CHANNELS));

    void put(int row, int channel, int pitch, int instrument, int volume = 255) {
        S3mModule::Cell& c = pattern[row][channel];
        c.note = note(pitch);
        c.instrument = static_cast<uint8_t>(instrument);
        c.volume = static_cast<uint8_t>(volume);
    }
    void command(int row, int channel, char letter, int info) {
        pattern[row][channel].command = static_cast<uint8_t>(letter - 'A' + 1);
        pattern[row][channel].info = static_cast<uint8_t>(info);
    }
    // One chord per bar of 16 rows: pad voices swell in, bass on the beats.
    void chords(const Chord (&bar)[4], bool withBass, bool busyBass) {
        for (int b = 0; b < 4; ++b) {
            const int row = b * 16;
            for (int v = 0; v < 3; ++v) {
                put(row, PAD1 + v, bar[b].voices[v], I_PAD, 12);
                for (int k = 0; k < 4; ++k) command(row + k, PAD1 + v, 'D', 0x20);   // slide up
            }
            if (!withBass) continue;
            for (int beat = 0; beat < 4; ++beat) {
                if (!busyBass && beat % 2) continue;
                put(row + beat * 4, BASS, bar[b].root + (busyBass && beat == 3 ? 12 : 0), I_BASS, 50);
            }
        }
    }
    void drums(bool full, bool fill) {
        for (int row = 0; row < ROWS; row += 4) {
            if (row % 8 == 0 || (full && row % 16 == 12)) put(row, KICK, n(C, 4), I_KICK, 60);
            if (full && row % 8 == 4) put(row, SNARE, n(C, 4), I_SNARE, 44);
            else if (row % 8 == 4) put(row + 2, SNARE, n(C, 5), I_HAT, 22);
            if (full) put(row + 2, SNARE, n(C, 5), I_HAT, 18);
        }
        if (fill) {
            for (int row = 56; row < 64; row += 2) put(row, SNARE, n(C, 4), I_SNARE, 30 + (row - 56) * 3);
        }
    }
    void melody(const std::vector<int>& notes, int startRow, int spacing, int volume) {
        for (size_t i = 0; i < notes.size(); ++i) {
            const int row = startRow + static_cast<int>(i) * spacing;
            if (row < ROWS && notes[i] >= 0) put(row, BELL, notes[i], I_BELL, volume);
        }
    }
};

}

S3mModule composeMusic() {
    S3mModule m;
    m.title = "Drift Beyond the Belt";
    m.initialSpeed = 6;
    m.initialTempo = 100;   // 0.15 s per row: a 64-row pattern lasts 9.6 s
    m.channelPans = {7, 3, 11, 7, 10, 7, 6};
    m.instruments = {bass(), pad(), bell(), kick(), noiseHit("Snare", 0.2, 16.0, 0.6, 1400),
                     noiseHit("Hats", 0.06, 70.0, 0.0, 1500)};

    const Chord verse[4] = {{n(A, 2), {n(A, 3), n(C, 4), n(E, 4)}},
                            {n(F, 2), {n(F, 3), n(A, 3), n(C, 4)}},
                            {n(C, 3), {n(G, 3), n(C, 4), n(E, 4)}},
                            {n(G, 2), {n(G, 3), n(B, 3), n(D, 4)}}};
    const Chord bridge[4] = {{n(D, 3), {n(F, 3), n(A, 3), n(D, 4)}},
                             {n(A, 2), {n(E, 3), n(A, 3), n(C, 4)}},
                             {n(F, 2), {n(F, 3), n(A, 3), n(C, 4)}},
                             {n(E, 2), {n(G, 3) + 1, n(B, 3), n(E, 4)}}};
    const int r = -1;   // rest
    const std::vector<int> themeA = {n(E, 5), r, n(A, 4), n(C, 5), n(B, 4), r, n(G, 4), r,
                                     n(A, 4), r, n(C, 5), n(E, 5), n(D, 5), r, n(B, 4), r};
    const std::vector<int> themeB = {n(A, 5), r, n(G, 5), n(E, 5), n(D, 5), r, n(E, 5), r,
                                     n(C, 5), r, n(D, 5), n(B, 4), n(G, 4) + 1, r, n(B, 4), r};
    const std::vector<int> sparse = {n(E, 5), r, r, r, n(C, 5), r, r, r, n(G, 4), r, r, r, n(B, 4), r, r, r};

    auto make = [&](const Chord (&bar)[4], bool bass, bool busy, int drums, const std::vector<int>* tune, int spacing,
                    int volume) {
        Writer w;
        w.chords(bar, bass, busy);
        if (drums > 0) w.drums(drums > 1, drums > 2);
        if (tune) w.melody(*tune, 0, spacing, volume);
        return w.pattern;
    };
    m.patterns = {
        make(verse, false, false, 0, &sparse, 4, 30),    // 0: pads alone, a distant bell
        make(verse, true, false, 1, nullptr, 4, 0),      // 1: bass and a soft pulse
        make(verse, true, true, 2, nullptr, 4, 0),       // 2: the groove
        make(verse, true, true, 2, &themeA, 4, 44),      // 3: the theme
        make(bridge, true, true, 2, &themeB, 4, 44),     // 4: bridge
        make(bridge, true, true, 3, &themeA, 4, 40),     // 5: bridge with a fill
        make(bridge, false, false, 0, &sparse, 4, 34),   // 6: breakdown
        make(verse, true, false, 3, &themeB, 4, 40),     // 7: turnaround
    };
    m.orders = {0, 1, 2, 3, 4, 5, 6, 7, 2, 3};
    return m;
}

double musicLength(const S3mModule& module) {
    const double row = module.initialSpeed * 2.5 / module.initialTempo;
    return row * ROWS * module.orders.size();
}
