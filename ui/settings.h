#pragma once

// What Kelvaro keeps between runs, in the desktop's standard settings file
// (on Linux ~/.config/Kelvaro/Kelvaro.conf, or under $XDG_CONFIG_HOME).

// The number saved under the key, or `fallback` when none is.
int savedNumber(const char* key, int fallback);

void saveNumber(const char* key, int value);
