// The settings file reader and writer: any bytes are lines to parse. Whatever
// they say, every warning names the file and a line, the example file of what
// was read reads back without a warning, and the file written with a change
// made in the game reads back as what was read with that change.
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Settings settings;
    for (const std::string& warning : settings.parse("f", text)) {
        if (warning.compare(0, 2, "f:") != 0) __builtin_trap();
    }
    Settings again;
    if (!again.parse("f", settings.example()).empty()) __builtin_trap();

    // A change chosen by the input's first bytes, as the options screen makes them.
    Settings changed = settings;
    const uint8_t a = size > 0 ? data[0] : 0, b = size > 1 ? data[1] : 0;
    changed.invertPitch ^= (a & 1) != 0;
    if (a & 2) changed.musicVolume = b % 101;
    if (a & 4) changed.pointerSensitivity = 0.1f + float(b % 100) / 10.0f;
    if (a & 8) changed.window = !changed.window;
    if (KeyBindings::keyNamed(KeyBindings::keyName(b)) == b) changed.keys.bind(Action(a % unsigned(Action::Count)), {b});
    if (a & 16) changed.keys.restoreDefaults();
    if (a & 32) changed.steering = changed.steering == Steering::Aim ? Steering::Rates : Steering::Aim;
    Settings written;
    written.parse("f", SettingsFile::rewrite(text, settings, changed));
    if (written.example() != changed.example()) __builtin_trap();
    return 0;
}
