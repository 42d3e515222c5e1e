#pragma once

#include <cstdint>
#include <string>

class Game;

// A hash of everything a game's play is made of: both ships' frames, speeds,
// power and points, the enemy's behaviour, and every rock's place, tumble and
// energy. Two runs of the same game give the same hash; any difference in
// play, however small, a different one.
uint64_t stateHash(const Game& game);

// "frames N, points P, power E, state HASH", and for a score attack
// ", mode M, seed S, wave W" after it: how a recorded game and every
// replay or verification of it end, so the two can be compared.
std::string summaryLine(uint32_t frames, const Game& game);
