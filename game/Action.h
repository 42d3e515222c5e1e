#pragma once

// What a key can be bound to. Enter (play again) and the pointer are fixed.
// Recordings hold these numbers: a new action goes at the end, before Count,
// or the recording format's version goes up.
enum class Action {
    SteerUp, SteerDown, SteerLeft, SteerRight,
    ThrottleUp, ThrottleDown, FullThrottle, FullStop, Straighten,
    Fire, Pause, View, DrawModels, DrawLists, DrawArrays, Shading, Stats, Help,
    MusicUp, MusicDown, EffectsUp, EffectsDown, MusicOnOff, Quit, Options,
    SwitchSteering, Screenshot,
    Count
};
