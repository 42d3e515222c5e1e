#pragma once

// Whether the back buffer still holds an earlier frame when the next frame
// begins. The cockpit picture is painted once and lives on in the buffer only
// where the driver keeps it; with page flipping the buffer may come back
// empty or stale, and then the cockpit must be painted every frame.
class BackBuffer {
public:
    // Asks the driver through GLX_EXT_buffer_age; without that extension no
    // driver promises anything, so the answer is no. Needs a current context.
    static bool keepsContents();

    // Tests and the benchmark may set the answer instead of asking.
    enum class Answer { Ask, Kept, Lost };
    static void override(Answer answer);
};
