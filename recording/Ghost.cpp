#include "Ghost.h"

#include "game/Game.h"
#include "game/StateHash.h"
#include "platform/BestScore.h"
#include "platform/FileReader.h"

constexpr uint32_t CHECK_EVERY = 60;   // frames between the hashes a recording holds

void Ghost::begin(uint32_t seed, const GameRules& rules) {
    keptSeed = seed;
    keptRules = rules;
    keptEntries.clear();
    keptEntries.shrink_to_fit();   // a long game's bytes are not held through the next
    keptFrames = 0;
    checkedLast = false;
    firstClock.reset();
}

void Ghost::frame(uint32_t clock, float frameTime, const InputRecord& input) {
    if (!firstClock) firstClock = clock;
    Recording::encodeFrame(keptEntries, clock, frameTime, input);
    ++keptFrames;
    checkedLast = false;
}

void Ghost::endFrame(const Game& game) {
    if (keptFrames == 0 || (keptFrames % CHECK_EVERY != 0 && !game.over())) return;
    if (checkedLast) return;
    Recording::encodeChecksum(keptEntries, keptFrames, stateHash(game));
    checkedLast = true;
}

bool Ghost::save(const std::string& path, std::string& why) const {
    RecordingWriter writer;
    if (!writer.open(path, "", keptSeed, keptRules, why)) return false;
    if (!keptEntries.empty()) writer.entries(keptEntries);   // no frame: nothing is put in place
    if (!writer.close()) return why = "cannot write it", false;
    return true;
}

std::string Ghost::bestPath(Mode mode) {
    const std::string best = BestScore::defaultPath();
    if (best.empty()) return "";
    return best.substr(0, best.rfind('/') + 1) + "best-" + modeName(mode) + ".sfr";
}

void Ghost::prepare(const std::string& path, Mode mode, std::optional<uint32_t> daySeed) {
    if (challenging) return;   // the challenge's game stays the ghost of every game
    track.clear();
    if (!shown || path.empty()) return;
    std::vector<uint8_t> bytes;
    std::string error;
    Recording best;
    FileReader::Outcome outcome;
    if (!FileReader::readAsGiven(path, Recording::MAX_BYTES, bytes, error, outcome)) return;
    if (!Recording::parse(bytes, best, error) || best.rules.mode != mode) return;
    if (daySeed && best.seed != *daySeed) return;   // another day's best
    track.play(best, error);
}

bool Ghost::challenge(const Recording& recording, std::string& error) {
    challenging = false;
    if (!track.play(recording, error)) return false;
    challenging = true;
    return true;
}

const GhostTrack::Sample* Ghost::now(uint32_t clock) const {
    if ((!shown && !challenging) || !firstClock || clock < *firstClock) return nullptr;
    return track.at(clock - *firstClock);
}
