#pragma once

#include <cstdint>
#include <string>
#include <vector>

// --capture N:PICTURE.png: frame N of a replay, as shown (the whole back
// buffer right before the swap), written to a PNG file; play goes on, or with
// --capture-exit the program ends after the last one. A replay is the same
// game every time, so the same binary and renderer give the same picture.
class FrameCapture {
public:
    // "N:PICTURE.png", N from 1; false with `error` saying what is wrong.
    static bool parse(const std::string& argument, uint32_t& frame, std::string& file, std::string& error);
    void add(uint32_t frame, const std::string& file) { wanted.push_back({frame, file}); }
    void exitAfterLast(bool exits) { exits_ = exits; }
    bool empty() const { return wanted.empty(); }

    // A frame is about to be shown; `frame` is the replay's frames played.
    // A picture that cannot be written ends the program with status 1.
    void shown(uint32_t frame, int width, int height);
    // The replay ended: every frame asked for and never shown is named on
    // standard error. False when there was one.
    bool allTaken() const;

    // The back buffer, about to be shown, as a PNG file's bytes (a screenshot's
    // too); false when it cannot be encoded.
    static bool encodeShown(int width, int height, std::vector<uint8_t>& png);

private:
    struct Wanted {
        uint32_t frame;
        std::string file;
    };
    std::vector<Wanted> wanted;
    bool exits_ = false;
};
