#pragma once

#include <cstdint>
#include <ctime>

// The day's game: its seed is the UTC calendar date as the number YYYYMMDD,
// the same for every player from midnight to midnight UTC, whatever their
// clock's zone.
uint32_t dailySeed(std::time_t utcSeconds);
