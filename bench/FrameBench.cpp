// Times the game's own frames: the scene built by buildScene, each frame drawn
// by displayFrame, on whatever X server DISPLAY names (scripts/bench.sh starts
// Xvfb at 1024 x 768). The clock is the game's test clock, stepped one 70 Hz
// frame at a time, so every run flies and draws the same frames.
//
// Usage: frame_bench [--frames N] [--rounds N] [--scales 1,4,16] [--json FILE] [--table FILE] [--series DIR]
//                    [--only CONFIGURATION]...   configurations by name, e.g. one under perf, or two
//                                                to set side by side in the same rounds
//                    [--hashes FILE]   a hash of every tenth picture shown, one a line: a change
//                                      meant to keep the picture diffs alike before and after

#include "entities/Asteroid.h"
#include "entities/EnemyShip.h"
#include "entities/MyShip.h"
#include "platform/BackBuffer.h"
#include "platform/Clock.h"
#include "platform/DataDirectory.h"
#include "platform/SwapInterval.h"
#include "game/Game.h"
#include "shell/GameWindow.h"
#include "shell/hud/Radar.h"
#include "shell/view/Display.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

using Steady = std::chrono::steady_clock;

// What runs the window, made as the game makes it.
GameWindow window;

double millisecondsSince(Steady::time_point start) {
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

struct Options {
    int frames = 600;
    int rounds = 2;
    std::vector<int> scales = {1, 4, 16};
    std::string json = "results.json";
    std::string table = "results.md";
    std::string series;   // a folder for one frame-time file per configuration; empty: none
    std::vector<std::string> only;   // the configurations' names to run; empty: all
    std::string hashes;   // a file for a hash of every tenth picture shown; empty: none
};

struct Config {
    std::string name;
    int mode;        // 0 models, 1 display lists, 2 vertex arrays
    bool outside;    // the view from behind the ship
    bool radar;
    BackBuffer::Answer buffer;   // Ask: what this driver says
    bool unoptimised;            // frames as first built
    bool help = true;            // the overlays for new players (target box, arrows, flash, dials)
    unsigned wave = 0;           // a score attack at this wave; 0: classic
};

struct Summary {
    std::string name;
    int rocks = 0;
    int frames = 0;
    double median = 0, p90 = 0, p99 = 0, max = 0;
    double logic = 0, submit = 0, swap = 0;   // medians
    double entry = 0;                         // a score attack: the longest frame a new wave entered in
    std::vector<double> times;
    std::vector<FrameSplit> splits;
};

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(p * double(values.size() - 1) + 0.5));
    return values[index];
}

// The floor has no split: all of it is clear and swap.
double splitsOrTotal(const std::vector<double>& swaps, double total) {
    return swaps.empty() ? total : percentile(swaps, 0.5);
}

// A frame of 70 Hz play, in the game's milliseconds.
constexpr double STEP_MS = 1000.0 / 70.0;

// The rock field again, shifted to the neighbouring points of a lattice, so
// the copies overlap the field and crowd the view as well as the lists.
void addRockCopies(int copies) {
    int added = 0;
    for (int i = -1; i <= 1 && added < copies; ++i) {
        for (int j = -1; j <= 1 && added < copies; ++j) {
            for (int k = -1; k <= 1 && added < copies; ++k) {
                if (i == 0 && j == 0 && k == 0) continue;
                window.scene.game->addRockField(Vector3(170.0f * i, 90.0f * j, 170.0f * k));
                ++added;
            }
        }
    }
}

void pump() {
    glutMainLoopEvent();
}

// The wave's ships all destroyed at once: the next wave enters.
void clearWave(Game& game, uint32_t clock) {
    for (EnemyShip* enemy : game.enemies) enemy->setEnergy(0);
    game.step(InputRecord(), float(STEP_MS / 1000.0), clock);
}

// A score attack brought to `wave`, its ships gathered about the view ahead
// so that they fly, fire and explode in sight through the frames measured.
void bringWave(unsigned wave) {
    Game& game = *window.scene.game;
    while (game.waves.number() < wave) clearWave(game, 1000);
    game.world->explosions.clear();   // the waves cleared to get here are no part of the frames measured
    const size_t n = game.enemies.size();
    for (size_t i = 0; i < n; ++i) {
        const float a = 6.2832f * float(i) / float(n);
        game.enemies[i]->setPosition(Vector3(260.0f * std::cos(a), 120.0f * std::sin(a), -420.0f - 40.0f * float(i)));
    }
}

// The picture just shown, as one FNV-1a hash: two builds that hash alike
// over a run drew the same bytes. It is read from the back buffer after the
// swap, which Mesa's software driver keeps as it was; the read slows the
// frames after it, so a run with hashes is for pictures, not for times.
std::string shownPictureHash() {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::vector<unsigned char> pixels(size_t(viewport[2]) * size_t(viewport[3]) * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(viewport[0], viewport[1], viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : pixels) hash = (hash ^ c) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// A fresh game on a fresh clock, flown by a fixed script: throttle to 20, a
// slow turn, a shot every second, power topped up so the game never ends.
Summary run(const Config& config, int scale, int frames, std::ostream* hashes) {
    Clock::setTo(1000);
    window.scene.rules.mode = config.wave > 0 ? Mode::Waves : Mode::Classic;
    window.scene.startNewGame();
    if (config.wave > 0) bringWave(config.wave);
    // Frame times measured on the previous run's clock must not carry over.
    window.frames.clock.reset();
    addRockCopies(scale - 1);
    window.view.options.renderMode = config.mode;
    window.view.options.radarShown = config.radar;
    for (bool Settings::*k : {&Settings::targetBox, &Settings::enemyArrow, &Settings::hitFlash, &Settings::dials,
                              &Settings::fieldArrow})
        window.controls.settings().*k = config.help;
    BackBuffer::override(config.buffer);
    window.frames.asFirstBuilt = config.unoptimised;
    MyShip& ship = *window.scene.game->myShip;
    ship.setOutsideView(config.outside ? 1 : 0);
    window.view.cockpit.lost();
    for (int i = 0; i < 19; ++i) ship.changeSpeed(1.0f, true);
    ship.addTurn(0.012f, 0.004f);

    FrameSplit split;
    window.frames.split = &split;
    Summary s;
    s.name = config.name;
    s.rocks = 26 * scale;
    const int warmUp = 40;   // the cockpit is painted over the first 30
    for (int i = 0; i < warmUp + frames; ++i) {
        Clock::setTo(static_cast<uint32_t>(1000.0 + (i + 1) * STEP_MS));
        if (i % 70 == 35) window.scene.game->fireShot();
        ship.setEnergy(500);
        // Once in the run, a wave cleared: the next one enters in this frame.
        const bool enters = config.wave > 0 && i == warmUp + frames / 2;
        if (enters)
            for (EnemyShip* enemy : window.scene.game->enemies) enemy->setEnergy(0);
        const Steady::time_point start = Steady::now();
        displayFrame();
        const double total = millisecondsSince(start);
        if (enters) s.entry = total;
        if (hashes && i % 10 == 0) *hashes << config.name << " " << scale << " " << i << " " << shownPictureHash() << "\n";
        if (i % 8 == 0) pump();
        if (i < warmUp) continue;
        s.times.push_back(total);
        s.splits.push_back(split);
    }
    window.frames.split = nullptr;
    BackBuffer::override(BackBuffer::Answer::Ask);
    window.frames.asFirstBuilt = false;
    window.view.options.radarShown = true;
    window.scene.rules.mode = Mode::Classic;
    return s;
}

void summarise(Summary& s) {
    std::vector<double> logic, submit, swap;
    for (const FrameSplit& f : s.splits) {
        logic.push_back(f.logic);
        submit.push_back(f.submit);
        swap.push_back(f.swap);
    }
    s.frames = static_cast<int>(s.times.size());
    s.median = percentile(s.times, 0.5);
    s.p90 = percentile(s.times, 0.9);
    s.p99 = percentile(s.times, 0.99);
    s.max = percentile(s.times, 1.0);
    s.logic = percentile(logic, 0.5);
    s.submit = percentile(submit, 0.5);
    s.swap = splitsOrTotal(swap, s.median);
}

// What the window costs with nothing in it: clear and swap.
Summary floorRun(int frames) {
    Summary s;
    s.name = "clear + swap";
    for (int i = 0; i < frames; ++i) {
        const Steady::time_point start = Steady::now();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
        s.times.push_back(millisecondsSince(start));
        if (i % 8 == 0) pump();
    }
    return s;
}

// The radar alone: its blips worked out and drawn, the renderer finished
// before and after, less a finish with nothing to do.
double radarCost(int samples) {
    // Ten radars between two finishes, so the renderer's fixed cost of a
    // flush, which a real frame pays once for everything, is spread thin.
    constexpr int REPEATS = 10;
    Radar radar;
    std::vector<double> with, without;
    for (int i = 0; i < samples; ++i) {
        glFinish();
        Steady::time_point start = Steady::now();
        for (int r = 0; r < REPEATS; ++r) {
            radar.update(*window.scene.game->world, *window.scene.game->myShip);
            radar.draw(window.scene.textures->slots[6]);
        }
        glFinish();
        with.push_back(millisecondsSince(start));
        start = Steady::now();
        glFinish();
        without.push_back(millisecondsSince(start));
    }
    return (percentile(with, 0.5) - percentile(without, 0.5)) / REPEATS;
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--frames" && hasValue) {
            o.frames = std::atoi(argv[++i]);
        } else if (a == "--scales" && hasValue) {
            o.scales.clear();
            std::stringstream list(argv[++i]);
            std::string item;
            while (std::getline(list, item, ',')) o.scales.push_back(std::atoi(item.c_str()));
        } else if (a == "--rounds" && hasValue) {
            o.rounds = std::atoi(argv[++i]);
        } else if (a == "--json" && hasValue) {
            o.json = argv[++i];
        } else if (a == "--table" && hasValue) {
            o.table = argv[++i];
        } else if (a == "--series" && hasValue) {
            o.series = argv[++i];
        } else if (a == "--hashes" && hasValue) {
            o.hashes = argv[++i];
        } else if (a == "--only" && hasValue) {
            o.only.push_back(argv[++i]);
        } else {
            return false;
        }
    }
    if (o.frames < 10 || o.rounds < 1) return false;
    for (int scale : o.scales) {
        if (scale < 1 || scale > 27) return false;
    }
    return !o.scales.empty();
}

std::string cpuName() {
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    }
    return "unknown";
}

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

void writeJson(const std::string& path, const std::vector<Summary>& results, double startup, double radar,
               const char* renderer) {
    std::ofstream out(path);
    out << "{\n  \"machine\": {\"cpu\": " << quoted(cpuName()) << ", \"cores\": " << std::thread::hardware_concurrency()
        << ", \"renderer\": " << quoted(renderer) << ", \"window\": [" << window.view.width() << ", " << window.view.height() << "]},\n";
    out << "  \"startup_to_first_frame_ms\": " << startup << ",\n  \"radar_alone_ms\": " << radar
        << ",\n  \"configurations\": [\n";
    for (size_t i = 0; i < results.size(); ++i) {
        const Summary& s = results[i];
        out << "    {\"name\": " << quoted(s.name) << ", \"rocks\": " << s.rocks << ", \"frames\": " << s.frames
            << ", \"median_ms\": " << s.median << ", \"p90_ms\": " << s.p90 << ", \"p99_ms\": " << s.p99
            << ", \"max_ms\": " << s.max << ", \"logic_ms\": " << s.logic << ", \"submit_ms\": " << s.submit
            << ", \"swap_ms\": " << s.swap;
        if (s.entry > 0) out << ", \"wave_entry_ms\": " << s.entry;
        out << "}" << (i + 1 < results.size() ? "," : "") << "\n";
    }
    out << "  ]\n}\n";
}

void writeTable(const std::string& path, const std::vector<Summary>& results, double startup, double radar,
                const char* renderer) {
    std::ofstream out(path);
    char line[512];
    out << "Renderer: " << renderer << ", " << std::thread::hardware_concurrency() << " cores (" << cpuName() << "), "
        << window.view.width() << "x" << window.view.height() << ".\n\n";
    out << "| configuration | rocks | frames | median ms | p90 ms | p99 ms | max ms | logic ms | submit ms | swap ms |\n";
    out << "|---|---|---|---|---|---|---|---|---|---|\n";
    for (const Summary& s : results) {
        std::snprintf(line, sizeof line, "| %s | %d | %d | %.2f | %.2f | %.2f | %.2f | %.3f | %.2f | %.2f |\n",
                      s.name.c_str(), s.rocks, s.frames, s.median, s.p90, s.p99, s.max, s.logic, s.submit, s.swap);
        out << line;
    }
    std::snprintf(line, sizeof line, "\nStart-up to the first frame: %.0f ms. The radar alone: %.3f ms a frame.\n",
                  startup, radar);
    out << line;
    for (const Summary& s : results) {
        if (s.entry <= 0) continue;
        std::snprintf(line, sizeof line, "%s: the frame a new wave entered in took %.2f ms.\n", s.name.c_str(), s.entry);
        out << line;
    }
}

void writeSeries(const std::string& folder, const Summary& s, int index) {
    char name[64];
    std::snprintf(name, sizeof name, "/%02d.dat", index);
    std::ofstream out(folder + name);
    out << "# " << s.name << " (" << s.rocks << " rocks): frame time in ms, sorted\n";
    std::vector<double> sorted = s.times;
    std::sort(sorted.begin(), sorted.end());
    for (size_t i = 0; i < sorted.size(); ++i) out << double(i) / double(sorted.size()) << " " << sorted[i] << "\n";
}

void noDraw() {}

}

int main(int argc, char** argv) {
    const Steady::time_point processStart = Steady::now();
    Options options;
    if (!parse(argc, argv, options)) {
        std::fputs("usage: frame_bench [--frames N>=10] [--rounds N] [--scales 1,4,16] [--json FILE] [--table FILE] [--series DIR]\n"
                   "                   [--only CONFIGURATION]... [--hashes FILE]\n",
                   stderr);
        return 2;
    }
    std::string lookedIn;
    if (!DataDirectory::find("", lookedIn)) {
        std::fprintf(stderr, "frame_bench: cannot find the game data (looked in: %s)\n", lookedIn.c_str());
        return 1;
    }
    Clock::setTo(1000);
    window.frames.clock.pacer().setEnabled(false);
    Asteroid::fieldSeed = 7;
    int toolkitArgc = 1;
    if (!initDisplay(toolkitArgc, argv, true)) return 1;
    initGraphicsState(window.view);
    SwapInterval::set(0);   // uncapped, as --no-frame-cap plays
    glutDisplayFunc(noDraw);
    glutReshapeFunc(reshape);
    SoundChoice silent;   // sound is mixed on its own thread; it is not what is measured here
    silent.enabled = false;
    window.scene.build(silent);
    for (int i = 0; i < 20 && window.view.width() == 0; ++i) {
        pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    displayFrame();
    const double startup = millisecondsSince(processStart);
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    const std::string rendererName = renderer ? renderer : "unknown";

    using A = BackBuffer::Answer;
    const Config configs[] = {
        {"cockpit, models", 0, false, true, A::Ask, false},
        {"cockpit, display lists", 1, false, true, A::Ask, false},
        {"cockpit, vertex arrays", 2, false, true, A::Ask, false},
        {"outside view, models", 0, true, true, A::Ask, false},
        // What each change costs or buys, against the first line.
        {"cockpit, models, no radar", 0, false, false, A::Ask, false},
        {"cockpit, models, no help overlays", 0, false, true, A::Ask, false, false},
        {"cockpit, models, buffer kept", 0, false, true, A::Kept, false},
        {"cockpit, models, as first built", 0, false, false, A::Kept, true},
        // A score attack at wave 8: nine enemies, their beams and explosions.
        {"cockpit, models, waves at wave 8", 0, false, true, A::Ask, false, true, 8},
    };
    // Rounds of every configuration in turn, so a machine that slows down for
    // a while slows all of them alike; each round flies the same frames.
    std::vector<Summary> results;
    Summary floor;
    std::ofstream hashes;
    if (!options.hashes.empty()) {
        hashes.open(options.hashes);
        if (!hashes) {
            std::fprintf(stderr, "frame_bench: cannot write %s\n", options.hashes.c_str());
            return 1;
        }
    }
    for (int round = 0; round < options.rounds; ++round) {
        size_t index = 0;
        for (int scale : options.scales) {
            for (const Config& config : configs) {
                if (scale != 1 && config.name != "cockpit, display lists") continue;
                const std::vector<std::string>& only = options.only;
                if (!only.empty() && std::find(only.begin(), only.end(), config.name) == only.end()) continue;
                Summary s = run(config, scale, options.frames, hashes.is_open() ? &hashes : nullptr);
                if (round == 0) {
                    results.push_back(s);
                } else {
                    results[index].entry = std::max(results[index].entry, s.entry);
                    results[index].times.insert(results[index].times.end(), s.times.begin(), s.times.end());
                    results[index].splits.insert(results[index].splits.end(), s.splits.begin(), s.splits.end());
                }
                ++index;
            }
        }
        const Summary f = floorRun(options.frames);
        floor.name = f.name;
        floor.times.insert(floor.times.end(), f.times.begin(), f.times.end());
    }
    results.push_back(floor);
    const double radar = radarCost(options.frames);
    for (Summary& s : results) {
        summarise(s);
        std::fprintf(stderr, "%-34s %4d rocks  median %6.2f  p99 %6.2f ms\n", s.name.c_str(), s.rocks, s.median, s.p99);
    }
    std::fprintf(stderr, "radar alone: %.3f ms\n", radar);
    for (const Summary& s : results) {
        if (s.entry > 0) std::fprintf(stderr, "%s: the frame a wave entered in took %.2f ms\n", s.name.c_str(), s.entry);
    }
    writeJson(options.json, results, startup, radar, rendererName.c_str());
    writeTable(options.table, results, startup, radar, rendererName.c_str());
    if (!options.series.empty()) {
        for (size_t i = 0; i < results.size(); ++i) writeSeries(options.series, results[i], int(i));
    }
    return 0;
}
