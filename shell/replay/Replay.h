#pragma once

#include "shell/replay/FrameCapture.h"
#include "shell/replay/Ghost.h"
#include "recording/Recording.h"

#include <cstdint>
#include <string>
#include <vector>

class FrameClock;
class Game;

// Where each frame's input, game clock and frame time come from: the player
// (and, with --record, a file they are written to as the game goes), or a
// recording played again with --replay. The frame loop asks it at the start
// and the end of every frame of play; nothing else in the game reads a
// device or a clock for play.
class Replay {
public:
    enum class Mode { Off, Recording, Replaying };
    static constexpr uint32_t CHECK_EVERY = 60;   // frames between checksums
    static constexpr int DIVERGED = 3;            // exit status when a replay does not match
    static constexpr int RECORDING_FAILED = 4;    // exit status when the recording could not be written

    // --record: false with `error` when the file cannot be written.
    bool record(const std::string& path, const std::string& programVersion, uint32_t seed, const GameRules& rules,
                std::string& error);
    // --replay: reads and checks the whole file; false with `error` saying what is wrong.
    bool load(const std::string& path, std::string& error);
    Mode mode() const { return current; }
    bool replaying() const { return current == Mode::Replaying; }
    uint32_t seed() const { return recording.seed; }
    const GameRules& rules() const { return recording.rules; }
    // Other rules for the run, chosen before its first frame of play (on the
    // start screen): a recording's header says them. False once the header
    // is written, or when replaying: the run keeps the rules it has.
    bool setRules(const GameRules& rules);

    // The start of a frame of play: sets `clock`, the game clock of the
    // frame (ms), and when replaying drives `frames` with the frame time
    // recorded; returns the record the frame is made of: the player's,
    // recorded when recording; the file's when replaying (the player's is
    // dropped).
    InputRecord beginFrame(const InputRecord& player, FrameClock& frames, uint32_t& clock);
    // The end of a frame of play: every CHECK_EVERY frames, and in a game's
    // last frame, the game state's hash is written, or compared with the
    // file's ("replay diverged at frame N" and exit status DIVERGED on a
    // difference).
    void endFrame(const Game& game);
    // A new game is built: recorded as such.
    void newGame();
    // What a replay met between frames.
    enum class Met {
        Nothing,
        NewGame,   // the file's game played again from the game-over screen: Enter, as its player pressed it
        End,       // the file, or its match, ended (only a test's process lives on to see it)
    };
    // Replaying, between frames: ends the program at the end of the file
    // unless a screen stands (`standing`). On the game-over screen
    // (`gameOver`) the file's next entry must be a new game; a frame met
    // there, or a new game met during play, is a divergence.
    Met step(bool standing, bool gameOver);
    // The program ends: a recording gets the game state's last hash and is
    // closed. The exit status: 0, or RECORDING_FAILED when any of it failed.
    int close(const Game* game);

    uint32_t frames() const { return played; }
    // "frames N, points P, power E, state HASH": the same for a recording and its replay.
    std::string summary(const Game* game) const;

    // Back to no recording and no replay (tests).
    void reset();
    // Tests keep the process: the end of a replay, or a divergence, then only
    // sets ended() and divergedAt() instead of ending it.
    void keepProcess(bool keep) { keepsProcess = keep; }
    bool ended() const { return over; }
    uint32_t divergedAt() const { return diverged; }

    // The ghost of the next game made ready (before it is built), and told
    // of the game once built: a replay has none, nor keeps its game.
    void prepareGhost(::Mode mode);
    void gameBuilt(const Game& game);
    // The game just over is the best of its mode: kept as the next games' ghost.
    void keepBest(::Mode mode);

    // Frames of the replay written as pictures (--capture).
    FrameCapture capture;
    // The best game flown again beside this one, and this one kept as it goes.
    Ghost ghost;

private:
    const Recording::Entry* next() const;
    void finish();
    void divergeAt(uint32_t frame);
    void writeChecksum(const Game& game);

    Mode current = Mode::Off;
    RecordingWriter writer;
    Recording recording;
    size_t cursor = 0;   // replaying: the next entry
    uint32_t played = 0;
    uint32_t lastChecksum = 0;   // recording: the frame of the last hash written
    std::string file;            // replaying: the recording's name, for the cut's message
    bool keepsProcess = false;
    bool over = false;
    uint32_t diverged = 0;   // 0: none
};
