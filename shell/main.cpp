#include "CommandLine.h"
#include "Display.h"
#include "Input.h"
#include "Scene.h"
#include "ShellState.h"
#include "entities/Asteroid.h"
#include "platform/BestScore.h"
#include "platform/DataDirectory.h"
#include "platform/ErrorReport.h"
#include "input/Settings.h"
#include "platform/SwapInterval.h"
#include "platform/TerminationSignal.h"

#include <GL/freeglut.h>

#include <cstdio>

int main(int argc, char** argv) {
    const CommandLine command = CommandLine::parse(argc, argv);
    if (!command.play) {
        std::fputs(command.output.c_str(), command.status == 0 ? stdout : stderr);
        return command.status;
    }
    // Before any window or sound device opens: without its data the game
    // cannot start, and the player should hear why at once.
    std::string lookedIn;
    if (!DataDirectory::find(command.options.dataDir, lookedIn)) {
        reportError("cannot find the game data (looked in: " + lookedIn + "); use --data DIR");
        return 1;
    }
    const bool named = !command.options.configFile.empty();
    for (const std::string& warning : settings.read(named ? command.options.configFile : Settings::defaultPath(), named))
        reportWarning(warning);
    command.overrule(settings);
    TerminationSignal::install();
    bestScore = new BestScore(BestScore::defaultPath());
    bestScore->load();
    Asteroid::fieldSeed = command.options.seed;
    frameClock.pacer().setEnabled(settings.frameCap);
    pointerDivisor = 1000.0f / settings.pointerSensitivity;
    showStats = settings.showStats;
    // Our options are read; the toolkit gets the program name alone.
    int toolkitArgc = 1;
    if (!initDisplay(toolkitArgc, argv, settings.window)) return 1;
    initGraphicsState();
    // Where the display refreshes at most as often as play is paced, swaps
    // wait for it too; uncapped, they never wait.
    SwapInterval::holdTo(frameClock.pacer().isEnabled() ? frameClock.pacer().framesPerSecond() : 0.0);
    registerCallbacks();
    // The window's size is not known yet, so this does nothing; the frame loop
    // centres the pointer from the first frame on.
    centerPointer();
    SoundChoice sound;
    sound.enabled = !command.options.mute;
    sound.music = command.options.music;
    buildScene(sound);
    openGamepad();
    // A signal that came while loading is honoured by the first frame.
    TerminationSignal::loaded();
    glutMainLoop();
    return 0;
}
