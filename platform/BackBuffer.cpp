#include "BackBuffer.h"

#include <GL/glx.h>

#include <cstring>

#ifndef GLX_BACK_BUFFER_AGE_EXT
#define GLX_BACK_BUFFER_AGE_EXT 0x20F4
#endif

namespace {
BackBuffer::Answer forced = BackBuffer::Answer::Ask;
int hasBufferAge = -1;   // unknown until the first question
}

bool BackBuffer::keepsContents() {
    if (forced != Answer::Ask) return forced == Answer::Kept;
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable) return false;
    if (hasBufferAge < 0) {
        const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
        hasBufferAge = extensions && std::strstr(extensions, "GLX_EXT_buffer_age") ? 1 : 0;
    }
    if (!hasBufferAge) return false;
    // 0: the contents are undefined; n: they are the frame drawn n swaps ago.
    // The cockpit is painted into every buffer over its first frames, so any
    // earlier frame still shows it.
    unsigned int age = 0;
    glXQueryDrawable(display, drawable, GLX_BACK_BUFFER_AGE_EXT, &age);
    return age != 0;
}

void BackBuffer::override(Answer answer) {
    forced = answer;
}
