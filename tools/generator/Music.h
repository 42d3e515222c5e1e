#pragma once

#include "S3mWriter.h"

// The background music: a slow, spacey piece in A minor for seven channels
// (bass, three pad voices, a bell lead, kick, snare and hats), with all five
// instruments synthesised here. About 96 seconds before it loops.
S3mModule composeMusic();

// Seconds the module plays before it loops (fixed speed and tempo throughout).
double musicLength(const S3mModule& module);
