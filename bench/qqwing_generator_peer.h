#pragma once

// QQWing's generator, run beside Kelvaro's as the generation benchmark's
// yardstick: QQWing makes puzzles until one rates at the level asked for.
// Built only where QQWing's library is installed.

// QQWing's level nearest each of Kelvaro's difficulties 1 to 4.
const char* peerLevelName(int difficulty);

// Seeds QQWing's random numbers.
void seedPeerGenerator(unsigned seed);

// Generates one puzzle at the level nearest the difficulty and returns the
// seconds it took, or a negative number where QQWing is not available.
double peerGenerate(int difficulty);
