#include "Replay.h"

#include "FrameCapture.h"
#include "game/StateHash.h"
#include "platform/ErrorReport.h"
#include "platform/FileReader.h"
#include "entities/Asteroid.h"
#include "entities/MyShip.h"
#include "platform/Clock.h"
#include "platform/GameDisplay.h"
#include "game/Game.h"
#include "timing/FrameClock.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>


bool Replay::record(const std::string& path, const std::string& programVersion, uint32_t seed, const GameRules& rules,
                    std::string& error) {
    std::string why;
    if (!writer.open(path, programVersion, seed, rules, why)) {
        error = "cannot write the recording (" + why + ")";
        return false;
    }
    current = Mode::Recording;
    lastChecksum = 0;
    return true;
}

bool Replay::setRules(const GameRules& rules) {
    if (current == Mode::Replaying) return false;
    return current == Mode::Off || writer.setRules(rules);
}

bool Replay::load(const std::string& path, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!FileReader::readAsGiven(path, Recording::MAX_BYTES, bytes, error)) return false;
    if (!Recording::parse(bytes, recording, error)) return false;
    current = Mode::Replaying;
    cursor = 0;
    file = path;
    return true;
}

const Recording::Entry* Replay::next() const {
    return cursor < recording.entries.size() ? &recording.entries[cursor] : nullptr;
}

InputRecord Replay::beginFrame(const InputRecord& player, FrameClock& frames, uint32_t& clock) {
    clock = Clock::milliseconds();
    if (current != Mode::Replaying) {
        if (current == Mode::Recording) writer.frame(clock, frames.frameTime(), player);
        ghost.frame(clock, frames.frameTime(), player);
        return player;
    }
    const Recording::Entry* entry = next();
    if (!entry) {
        finish();   // the recording's play ends here
        return {};
    }
    if (entry->kind != Recording::Entry::Frame) {
        divergeAt(played);   // the recorded game ended here; this one plays on
        return {};
    }
    ++cursor;
    clock = entry->clock;
    Clock::setTo(clock);
    frames.drive(entry->frameTime);
    return entry->input;
}

void Replay::endFrame(const Game& game) {
    ++played;
    if (current != Mode::Replaying) ghost.endFrame(game);
    if (current == Mode::Off) return;
    const bool due = played % CHECK_EVERY == 0;
    if (current == Mode::Recording) {
        if (due || game.myShip->getEnergy() <= 0.0f) writeChecksum(game);
        return;
    }
    const Recording::Entry* entry = next();
    if (!entry) return;   // the file ends here: the next frame ends the replay
    const bool checksum = entry->kind == Recording::Entry::Checksum && entry->frame == played;
    if (!checksum && !due) return;
    if (!checksum || entry->hash != stateHash(game)) return divergeAt(played);
    ++cursor;
}

void Replay::writeChecksum(const Game& game) {
    if (played == lastChecksum) return;
    writer.checksum(played, stateHash(game));
    lastChecksum = played;
}

void Replay::divergeAt(uint32_t frame) {
    if (keepsProcess) {
        diverged = std::max(frame, 1u);
        over = true;
        return;
    }
    std::fprintf(stderr, "replay diverged at frame %" PRIu32 "\n", frame);
    std::fflush(stderr);
    GameDisplay::leaveGameMode();
    std::_Exit(DIVERGED);   // no summary: the game shown is not the one recorded
}

void Replay::newGame() {
    if (current == Mode::Recording) writer.newGame();
}

void Replay::prepareGhost(::Mode mode) {
    if (replaying()) return;
    ghost.prepare(Ghost::bestPath(mode), mode, mode == ::Mode::Daily ? Asteroid::fieldSeed : std::nullopt);
}

void Replay::gameBuilt(const Game& game) {
    if (!replaying()) ghost.begin(game.seed, game.rules);
}

void Replay::keepBest(::Mode mode) {
    const std::string path = Ghost::bestPath(mode);
    std::string why;
    if (replaying() || path.empty() || ghost.save(path, why)) return;
    reportWarning("cannot keep the best game as a recording in " + path + ": " + why);
}

Replay::Met Replay::step(bool standing, bool gameOver) {
    if (current != Mode::Replaying || over) return over ? Met::End : Met::Nothing;
    const Recording::Entry* entry = next();
    if (!entry) {
        // Wherever the recording ended (playing, game over), the replay ends too.
        if (!standing) finish();
        return over ? Met::End : Met::Nothing;
    }
    if (!gameOver) return Met::Nothing;
    // The recorded game played on where this one ended.
    if (entry->kind != Recording::Entry::NewGame) {
        divergeAt(played);
        return Met::End;
    }
    ++cursor;
    return Met::NewGame;
}

int Replay::close(const Game* game) {
    if (current != Mode::Recording) return 0;
    // The frames since the last hash are checked too.
    if (game && played > 0) writeChecksum(*game);
    return writer.close() ? 0 : RECORDING_FAILED;
}

void Replay::finish() {
    over = true;
    if (recording.cut)
        reportWarning(file + " is cut short after frame " + std::to_string(recording.wholeFrames) +
                      "; it is played to there");
    if (keepsProcess) return;
    const bool captured = capture.allTaken();
    GameDisplay::leaveGameMode();
    std::exit(captured ? 0 : 1);
}

std::string Replay::summary(const Game* game) const {
    return game ? summaryLine(played, *game) : "";
}

void Replay::reset() {
    current = Mode::Off;
    writer.close();
    recording = Recording();
    cursor = 0;
    played = 0;
    lastChecksum = 0;
    file.clear();
    over = false;
    diverged = 0;
}
