#pragma once

#include <vector>

// The sound effects as signals at 44100 Hz, -1..1.
namespace Sounds {
std::vector<double> laser();           // about 0.25 s: a falling zap
std::vector<double> explosion();       // about 1.5 s: a blast with a rumbling tail
std::vector<double> nearExplosion();   // about 0.5 s: a hull impact
std::vector<double> hit();             // about 0.12 s: two bright rising pings, the shot has struck
}
