#include "Sounds.h"

#include "AudioFiles.h"
#include "Rng.h"

#include <cmath>

namespace Sounds {

namespace {

constexpr double PI = 3.14159265358979323846;

// One-pole low-pass filter; `cutoff` in Hz may change from sample to sample.
class LowPass {
public:
    double operator()(double in, double cutoff) {
        const double a = 1.0 - std::exp(-2.0 * PI * cutoff / SAMPLE_RATE);
        state += a * (in - state);
        return state;
    }

private:
    double state = 0.0;
};

}

std::vector<double> laser() {
    const int n = SAMPLE_RATE / 4;
    std::vector<double> out(n);
    double phase = 0.0, phase2 = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / SAMPLE_RATE;
        const double freq = 300.0 + 2300.0 * std::exp(-t * 18.0);
        phase += freq / SAMPLE_RATE;
        phase2 += freq * 1.503 / SAMPLE_RATE;
        const double saw = 2.0 * (phase - std::floor(phase)) - 1.0;
        const double square = (phase2 - std::floor(phase2)) < 0.5 ? 1.0 : -1.0;
        const double envelope = std::min(1.0, t * 400.0) * std::exp(-t * 11.0);
        out[i] = (0.7 * saw + 0.3 * square) * envelope;
    }
    return out;
}

std::vector<double> hit() {
    // Short and high, rising where the laser falls: heard over the zap it
    // comes with, and not mistaken for it.
    const int n = SAMPLE_RATE * 12 / 100;
    std::vector<double> out(n);
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / SAMPLE_RATE;
        const double freq = t < 0.05 ? 1400.0 : 2100.0;
        phase += freq / SAMPLE_RATE;
        const double local = t < 0.05 ? t : t - 0.05;
        const double envelope = std::min(1.0, local * 800.0) * std::exp(-local * 45.0);
        out[i] = 0.6 * std::sin(2.0 * PI * phase) * envelope;
    }
    return out;
}

std::vector<double> explosion() {
    const int n = SAMPLE_RATE * 3 / 2;
    std::vector<double> out(n);
    Rng rng(1200);
    LowPass body, rumble;
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / SAMPLE_RATE;
        const double noise = rng.range(-1.0, 1.0);
        const double crack = body(noise, 200.0 + 6000.0 * std::exp(-t * 7.0)) * std::exp(-t * 3.5);
        phase += (38.0 + 30.0 * std::exp(-t * 4.0)) / SAMPLE_RATE;
        const double boom = std::sin(2 * PI * phase) * std::exp(-t * 2.2);
        const double tail = rumble(noise, 90.0) * 6.0 * std::exp(-t * 1.8);
        const double attack = std::min(1.0, t * 300.0);
        out[i] = attack * (0.9 * crack + 0.8 * boom + tail);
    }
    return out;
}

std::vector<double> nearExplosion() {
    const int n = SAMPLE_RATE / 2;
    std::vector<double> out(n);
    Rng rng(1300);
    LowPass thud;
    const double partials[] = {187.0, 433.0, 719.0, 1103.0};   // inharmonic: struck metal
    double phase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / SAMPLE_RATE;
        phase += (110.0 * std::exp(-t * 6.0) + 45.0) / SAMPLE_RATE;
        double clang = 0.0;
        for (int k = 0; k < 4; ++k) clang += std::sin(2 * PI * partials[k] * t) * std::exp(-t * (9.0 + 4 * k)) / (k + 1);
        const double hit = thud(rng.range(-1.0, 1.0), 1500.0) * std::exp(-t * 30.0) * 3.0;
        out[i] = std::min(1.0, t * 800.0) * (std::sin(2 * PI * phase) * std::exp(-t * 8.0) + 0.35 * clang + hit);
    }
    return out;
}

}
