#pragma once

#include "board.h"
#include "random_int.h"

#include <functional>

using SetBar = std::function<void(int position)>;

// Removes clues from a full board one trial at a time, box by box around the
// nine boxes from a random start, keeping a removal only when the logic test
// of the difficulty still fills the board, until `difficulty` trials have
// failed. The board ends as the puzzle accepted so far, with the candidates
// and progress flag that the last test left. Each trial advances the bar by
// 2, up to 90. Every box keeps at least one clue.
void removeCluesAtRandom(Board& board, int difficulty, const RandomSource& randomInt, const SetBar& setBar);

// Judges a trial: true when the removal may stand. The logic test alone
// never lets a box lose its last clue; a judge that passes everything shows
// that the removal itself keeps one in every box.
using TrialJudge = std::function<bool(Board& trial, int difficulty)>;

// removeCluesAtRandom with another judge of the trials.
void removeCluesAtRandom(Board& board, int difficulty, const RandomSource& randomInt, const SetBar& setBar,
                         const TrialJudge& judge);
