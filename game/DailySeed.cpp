#include "DailySeed.h"

uint32_t dailySeed(std::time_t utcSeconds) {
    std::tm day{};
    if (!gmtime_r(&utcSeconds, &day)) return 0;
    return uint32_t(day.tm_year + 1900) * 10000u + uint32_t(day.tm_mon + 1) * 100u + uint32_t(day.tm_mday);
}
