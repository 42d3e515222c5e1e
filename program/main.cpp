#include "program/CommandLine.h"
#include "shell/GameWindow.h"
#include "timing/FrameStats.h"
#include "shell/view/Display.h"
#include "entities/Asteroid.h"
#include "game/DailySeed.h"
#include "platform/BestScore.h"
#include "platform/DataDirectory.h"
#include "platform/ErrorReport.h"
#include "platform/ExitStatus.h"
#include "platform/FileReader.h"
#include "platform/HeapPolicy.h"
#include "platform/SwapInterval.h"
#include "platform/TerminationSignal.h"
#include "recording/Verifier.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <ctime>

namespace {

std::string statsFile;
FrameStats stats;

// Recording and replaying end with the same line, so the two can be compared.
void printSummary() {
    const GameWindow* window = GameWindow::reached();
    // Flushed, and checked, by the exit status's last word.
    if (window) std::printf("%s\n", window->replay.summary(window->scene.game).c_str());
}

// What the player changed in the game goes back into the settings file.
void saveSettings() {
    if (!GameWindow::reached()) return;
    const std::string warning = GameWindow::reached()->controls.saveSettings();
    if (!warning.empty()) reportWarning(warning);
}

// A recording played through the game alone: no display, no sound, no
// clock, so it runs as fast as the machine goes and needs no X server.
int verify(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    Recording recording;
    if (!FileReader::readAsGiven(path, Recording::MAX_BYTES, bytes, error) || !Recording::parse(bytes, recording, error)) {
        std::fprintf(stderr, "spacefight: %s: %s\n", path.c_str(), error.c_str());
        return 2;
    }
    Verifier verifier(recording);
    if (!verifier.run()) {
        std::fprintf(stderr, "replay diverged at frame %u\n", unsigned(verifier.divergedAt()));
        return Replay::DIVERGED;
    }
    if (recording.cut)
        reportWarning(path + " is cut short after frame " + std::to_string(recording.wholeFrames) +
                      "; it is played to there");
    std::printf("%s\n", verifier.summary().c_str());
    return 0;
}

// A challenge file is played through first: a damaged one, or one whose
// game is not the one it says, is refused before any window opens.
bool readChallenge(const std::string& path, Recording& recording, Ghost& ghost) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (FileReader::readAsGiven(path, Recording::MAX_BYTES, bytes, error) && Recording::parse(bytes, recording, error) &&
        ghost.challenge(recording, error))
        return true;
    std::fprintf(stderr, "spacefight: %s: %s\n", path.c_str(), error.c_str());
    return false;
}

void writeFrameStats() {
    std::string why;
    if (stats.write(statsFile, why)) return;
    reportWarning("cannot write the frame statistics to " + statsFile + " (" + why + ")");
    ExitStatus::outputFailed();
}

}

int main(int argc, char** argv) {
    HeapPolicy::holdLargeBlocksApart();   // resident memory stays with what is in use over long play
    ExitStatus::checkOutputAtExit();
    const CommandLine command = CommandLine::parse(argc, argv);
    if (!command.play) {
        std::fputs(command.output.c_str(), command.status == 0 ? stdout : stderr);
        return command.status;
    }
    if (!command.options.verifyFile.empty()) return verify(command.options.verifyFile);
    // What runs the window lives as long as the process; made before the
    // toolkit starts, it is taken down after the toolkit's own clean-up.
    static GameWindow window;
    Scene& scene = window.scene;
    Controls& controls = window.controls;
    Replay& replay = window.replay;
    FrameLoop& frames = window.frames;
    // Before any window or sound device opens: without its data the game
    // cannot start, and the player should hear why at once.
    std::string lookedIn;
    if (!DataDirectory::find(command.options.dataDir, lookedIn)) {
        reportError("cannot find the game data (looked in: " + lookedIn + "); use --data DIR");
        return 1;
    }
    const bool named = !command.options.configFile.empty();
    for (const std::string& warning : controls.readSettings(named ? command.options.configFile : Settings::defaultPath(), named))
        reportWarning(warning);
    command.overrule(controls.settings());
    controls.settle();   // what the command line said is for this run only
    std::atexit(saveSettings);
    // A recording is read whole, and checked, before any window opens.
    const GameOptions& options = command.options;
    Asteroid::fieldSeed = options.seed;
    scene.seed = options.seed;
    std::string error;
    scene.rules.steering = controls.settings().steering;   // a replay's own rules replace them
    if (!options.replayFile.empty()) {
        if (!replay.load(options.replayFile, error)) {
            std::fprintf(stderr, "spacefight: %s: %s\n", options.replayFile.c_str(), error.c_str());
            return 2;
        }
        Asteroid::fieldSeed = replay.seed();
        scene.rules = replay.rules();
        for (const auto& [frame, file] : options.captures) replay.capture.add(frame, file);
        replay.capture.exitAfterLast(options.captureExit);
    } else if (!options.challengeFile.empty()) {
        Recording challenge;
        if (!readChallenge(options.challengeFile, challenge, replay.ghost)) return 2;
        window.screens.challengePoints = replay.ghost.finalPoints();
        scene.rules.mode = challenge.rules.mode;
        Asteroid::fieldSeed = scene.seed = challenge.seed;
    } else {
        scene.rules.mode = controls.settings().mode;
        if (scene.rules.mode == Mode::Daily) Asteroid::fieldSeed = dailySeed(std::time(nullptr));
    }
    if (!options.recordFile.empty()) {
        // The random draws' seed is chosen now and kept, so new games replay too.
        if (!Asteroid::fieldSeed) Asteroid::fieldSeed = static_cast<uint32_t>(std::time(nullptr));
        if (!replay.record(options.recordFile, CommandLine::version(), *Asteroid::fieldSeed, scene.rules, error)) {
            std::fprintf(stderr, "spacefight: %s: %s\n", options.recordFile.c_str(), error.c_str());
            return 2;
        }
    }
    if (replay.mode() != Replay::Mode::Off) std::atexit(printSummary);
    if (!options.frameStatsFile.empty()) {
        statsFile = options.frameStatsFile;
        frames.stats = &stats;
        std::atexit(writeFrameStats);
    }
    TerminationSignal::install();
    // A replay shows a game already played: it never writes the best score.
    if (!replay.replaying()) {
        scene.bestScore = new BestScore(BestScore::defaultPath());
        scene.bestScore->load();
        scene.openScores();
    }
    const Settings& settings = controls.settings();
    frames.clock.pacer().setEnabled(settings.frameCap);
    window.view.options.showStats = settings.showStats;
    scene.decodePicturesAhead();
    readMaskAhead();
    // Our options are read; the toolkit gets the program name alone.
    int toolkitArgc = 1;
    if (!initDisplay(toolkitArgc, argv, settings.window)) return 1;
    initGraphicsState(window.view);
    // Where the display refreshes at most as often as play is paced, swaps
    // wait for it too; uncapped, they never wait.
    SwapInterval::holdTo(frames.clock.pacer().isEnabled() ? frames.clock.pacer().framesPerSecond() : 0.0);
    window.registerCallbacks();
    // The window's size is not known yet, so this does nothing; the frame loop
    // centres the pointer from the first frame on.
    controls.centerPointer();
    SoundChoice sound;
    sound.enabled = !command.options.mute;
    sound.music = command.options.music;
    controls.applySoundLevels();
    replay.ghost.show(settings.ghost);
    replay.prepareGhost(scene.rules.mode);
    // A replay shows a game already begun. A player's first picture is the
    // start screen: it is shown before what it does not need is loaded.
    const bool onStart = settings.startScreen && !replay.replaying();
    if (onStart) {
        scene.buildFirstPicture(sound);
        window.openOnStart();   // the game controller and the signals too, once all is loaded
    } else {
        scene.build(sound);
        replay.gameBuilt(*scene.game);
        controls.openGamepad();
        // A signal that came while loading is honoured by the first frame.
        TerminationSignal::loaded();
    }
    glutMainLoop();
    return 0;
}
