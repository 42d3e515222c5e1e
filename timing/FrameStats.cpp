#include "FrameStats.h"

#include "platform/FileWriter.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

double FrameStats::sinceProcessStart() {
    // Field 22 of /proc/self/stat: the start in clock ticks after boot. The
    // name before it is in parentheses and may hold blanks, so count from the last ')'.
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const size_t close = text.rfind(')');
    if (close == std::string::npos) return -1.0;
    std::istringstream fields(text.substr(close + 1));
    std::string field;
    for (int i = 3; i <= 22 && (fields >> field); ++i) {
        if (i < 22) continue;
        timespec now = {};
        if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1.0;
        const double ticks = std::strtod(field.c_str(), nullptr);
        return (double(now.tv_sec) + now.tv_nsec * 1e-9 - ticks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
    }
    return -1.0;
}

double FrameStats::now() {
    // The kernel's reading once, for the start-up; then the steady clock, so
    // no frame pays for reading a file.
    const double steady =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
    if (startup < 0.0) {
        startup = sinceProcessStart();
        offset = startup - steady;
    }
    return steady + offset;
}

void FrameStats::shown() {
    const double at = now();
    if (lastShown < 0.0) {
        lastShown = at;
        return;
    }
    intervals.push_back(at - lastShown);
    lastShown = at;
    if (playBegan && firstPlay < 0.0) firstPlay = intervals.back();
    playBegan = false;
}

void FrameStats::pictureShown() {
    now();
}

void FrameStats::playBegins() {
    lastShown = now();
    playBegan = true;
}

std::string FrameStats::json() const {
    std::vector<double> sorted = intervals;
    std::sort(sorted.begin(), sorted.end());
    auto at = [&](double share) {
        if (sorted.empty()) return 0.0;
        return sorted[std::min(sorted.size() - 1, size_t(share * double(sorted.size())))];
    };
    char text[320];
    std::snprintf(text, sizeof text,
                  "{\"frames\": %zu, \"median_ms\": %.3f, \"p90_ms\": %.3f, \"p99_ms\": %.3f, \"max_ms\": %.3f, "
                  "\"startup_ms\": %.1f, \"first_play_ms\": %.2f,\n \"intervals_ms\": [",
                  sorted.size(), at(0.5), at(0.9), at(0.99), sorted.empty() ? 0.0 : sorted.back(), startup, firstPlay);
    std::string out = text;
    // Every interval in the order shown, for plotting the whole run.
    out.reserve(out.size() + intervals.size() * 8 + 4);
    for (size_t i = 0; i < intervals.size(); ++i) {
        std::snprintf(text, sizeof text, i == 0 ? "%.2f" : ",%.2f", intervals[i]);
        out += text;
    }
    out += "]}\n";
    return out;
}

bool FrameStats::write(const std::string& path, std::string& why) const {
    return FileWriter::replace(path, json(), why);
}
