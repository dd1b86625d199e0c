#pragma once

#include "rated_puzzle.h"

#include <optional>
#include <string>

// The dialog of New puzzle by rating, window 5: the bands it offers, each
// named in words beside its ER, a symmetric option, OK and Cancel. Its control ids lie above
// the main window's commands.

constexpr int ratingDialog = 5;

constexpr int ratingPromptId = 120;
constexpr int firstGradeOptionId = 121;  // one option per band, easiest first
constexpr int firstGradeBandId = 131;    // the band beside each option
constexpr int symmetricOptionId = 141;
constexpr int ratingOkId = 142;
constexpr int ratingCancelId = 143;

struct RatingChoice {
    RatingBand band;
    std::string name;  // the band's, in words
    bool symmetric = false;
};

// Opens the dialog over the active window, kept on top, with a close box,
// the grade and symmetric option chosen the last time checked (Easy, not
// symmetric, the first time). Returns false, creating no control, when the
// window cannot be opened.
bool openRatingDialog();

// Takes events from the program's one queue until OK gives the choice, or
// Cancel, Escape or the dialog's close box give none. Every other event,
// from any window, is dropped. The dialog stays open.
std::optional<RatingChoice> awaitRatingChoice();

// Easy and not symmetric again, as at start-up.
void forgetRatingChoice();
