#pragma once

#include <string>

// Stands in for a modal error box captioned "Error": one line on standard error,
// "Error: " and the text. The caller goes on afterwards, as it would after the
// player dismissed the box.
void reportError(const std::string& text);

// A condition the game lives with and plays on through: one line on standard
// error, "Warning: " and the text.
void reportWarning(const std::string& text);
