#include "FrameCapture.h"

#include "platform/FileWriter.h"
#include "platform/GameDisplay.h"
#include "tools/PngWriter.h"

#include <GL/gl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

bool FrameCapture::parse(const std::string& argument, uint32_t& frame, std::string& file, std::string& error) {
    const size_t colon = argument.find(':');
    const std::string number = argument.substr(0, colon);
    if (colon == std::string::npos || colon + 1 == argument.size() || number.empty() || number.size() > 9 ||
        number.find_first_not_of("0123456789") != std::string::npos || std::stoul(number) == 0)
        return error = "invalid capture '" + argument + "' (FRAME:PICTURE.png, frames from 1)", false;
    frame = uint32_t(std::stoul(number));
    file = argument.substr(colon + 1);
    return true;
}

void FrameCapture::shown(uint32_t frame, int width, int height) {
    if (wanted.empty() || width <= 0 || height <= 0) return;
    bool taken = false;
    for (auto it = wanted.begin(); it != wanted.end();) {
        if (it->frame != frame) {
            ++it;
            continue;
        }
        std::vector<uint8_t> png;
        std::string why = "cannot encode the picture";
        if (!encodeShown(width, height, png) ||
            !FileWriter::replace(it->file, std::string(png.begin(), png.end()), why)) {
            std::fprintf(stderr, "spacefight: %s: cannot write the capture of frame %u (%s)\n", it->file.c_str(),
                         unsigned(frame), why.c_str());
            GameDisplay::leaveGameMode();
            std::exit(1);
        }
        it = wanted.erase(it);
        taken = true;
    }
    if (taken && wanted.empty() && exits_) {
        GameDisplay::leaveGameMode();
        std::exit(0);   // the summary line follows, as at a replay's end
    }
}

bool FrameCapture::encodeShown(int width, int height, std::vector<uint8_t>& png) {
    // Rows packed tight, read from the buffer about to be shown.
    std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // OpenGL's rows run bottom first, a PNG's top first.
    std::vector<uint8_t> topDown(pixels.size());
    const size_t row = size_t(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(&topDown[size_t(y) * row], &pixels[size_t(height - 1 - y) * row], row);
    return encodePng(width, height, 3, topDown, png);
}

bool FrameCapture::allTaken() const {
    for (const Wanted& w : wanted)
        std::fprintf(stderr, "spacefight: %s: frame %u was never shown\n", w.file.c_str(), unsigned(w.frame));
    return wanted.empty();
}
