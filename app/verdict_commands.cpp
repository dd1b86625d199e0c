#include "verdict_commands.h"

#include "corner_text.h"
#include "game_session.h"

void announceIfJustFilled(bool wasFull)
{
    if (wasFull) {
        return;
    }
    switch (completionOf(game, givensSolution())) {
    case Completion::right:
        showCornerText("Complete: every cell is filled and every digit is right. Well done!");
        break;
    case Completion::wrong:
        showCornerText("Every cell is filled, but some digits are wrong.");
        break;
    case Completion::notFull:
        break;
    }
}

void showMistakesCommand()
{
    choices.showMistakes = true;
    if (!hasGivens(game)) {
        showCornerText("No givens to check against: generate or paste a puzzle first.");
        return;
    }
    switch (givensSolution().solutions) {
    case 0:
        showCornerText("The givens have no solution: no digit can be called a mistake.");
        break;
    case 1:
        break;
    default:
        showCornerText("The givens have more than one solution: no digit can be called a mistake.");
        break;
    }
}

bool mistakesShown() { return choices.showMistakes; }
