#include "Replay.h"

#include "StateHash.h"
#include "assets/FileBytes.h"
#include "entities/MyShip.h"
#include "platform/Clock.h"
#include "platform/GameDisplay.h"
#include "shell/Game.h"
#include "shell/Scene.h"
#include "shell/frame/FrameLoop.h"
#include "shell/screens/Screens.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>

Replay replay;

bool Replay::record(const std::string& path, const std::string& programVersion, uint32_t seed, std::string& error) {
    if (!writer.open(path, programVersion, seed)) {
        error = "cannot write the recording";
        return false;
    }
    current = Mode::Recording;
    return true;
}

bool Replay::load(const std::string& path, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!readFileBytes(path, bytes)) {
        error = "cannot read it";
        return false;
    }
    if (!Recording::parse(bytes, recording, error)) return false;
    current = Mode::Replaying;
    cursor = 0;
    return true;
}

const Recording::Entry* Replay::next() const {
    return cursor < recording.entries.size() ? &recording.entries[cursor] : nullptr;
}

std::vector<Command> Replay::beginFrame(std::vector<Command> playerCommands) {
    if (current != Mode::Replaying) {
        // One reading of the clock for the whole frame: what a replay hands back.
        Clock::latch();
        // Back from a stall (a stopped process, a machine that slept): the
        // time away is not flown.
        if (::frames.clock.stalled()) screens.handle(ScreenEvent::ClockStall);
        if (current == Mode::Recording) writer.frame(Clock::milliseconds(), ::frames.clock.frameTime(), playerCommands);
        return playerCommands;
    }
    const Recording::Entry* entry = next();
    if (!entry || entry->kind != Recording::Entry::Frame) {
        finish();   // the recording's play ends here
        return {};
    }
    ++cursor;
    Clock::setForTest(entry->clock);
    ::frames.clock.drive(entry->frameTime);
    return entry->commands;
}

void Replay::endFrame() {
    ++played;
    if (current == Mode::Off || played % CHECK_EVERY != 0 || !scene.game) return;
    const uint64_t hash = stateHash(*scene.game);
    if (current == Mode::Recording) {
        writer.checksum(played, hash);
        return;
    }
    const Recording::Entry* entry = next();
    if (!entry || entry->kind != Recording::Entry::Checksum || entry->frame != played || entry->hash != hash) {
        if (keepsProcess) {
            diverged = played;
            over = true;
            return;
        }
        std::fprintf(stderr, "replay diverged at frame %" PRIu32 "\n", played);
        std::fflush(stderr);
        GameDisplay::leaveGameMode();
        std::_Exit(DIVERGED);   // no summary: the game shown is not the one recorded
    }
    ++cursor;
}

void Replay::newGame() {
    if (current == Mode::Recording) writer.newGame();
}

void Replay::step() {
    if (current != Mode::Replaying || over) return;
    const Recording::Entry* entry = next();
    if (!entry) {
        // Wherever the recording ended (playing, game over), the replay ends too.
        if (!screens.stands()) finish();
        return;
    }
    if (entry->kind == Recording::Entry::NewGame && screens.current() == Screen::GameOver) {
        ++cursor;
        screens.handle(ScreenEvent::EnterKey);
    }
}

void Replay::finish() {
    over = true;
    if (keepsProcess) return;
    GameDisplay::leaveGameMode();
    std::exit(0);
}

std::string Replay::summary() const {
    char line[160];
    if (!scene.game) return "";
    std::snprintf(line, sizeof line, "frames %" PRIu32 ", points %.0f, power %.0f, state %016" PRIx64, played,
                  double(scene.game->myShip->getPoints()), double(std::max(scene.game->myShip->getEnergy(), 0.0f)),
                  stateHash(*scene.game));
    return line;
}

void Replay::reset() {
    current = Mode::Off;
    writer.close();
    recording = Recording();
    cursor = 0;
    played = 0;
    over = false;
    diverged = 0;
}
