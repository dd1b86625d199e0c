#include "rated_puzzle_command.h"

#include "offered_bands.h"
#include "rating_dialog.h"
#include "search_progress_window.h"
#include "windows.h"

#include <chrono>
#include <functional>

namespace {

// The search's own random numbers, apart from Generate's: seeded once a run
// from the clock.
RandomInt& searchRandom()
{
    static RandomInt random(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return random;
}

}  // namespace

std::optional<Board> askRatedPuzzle()
{
    if (!openRatingDialog()) {
        return std::nullopt;
    }
    const std::optional<RatingChoice> choice = awaitRatingChoice();
    closeWindow(ratingDialog);
    if (!choice || !openSearchProgressWindow(choice->name + ", rated " + bandText(choice->band))) {
        return std::nullopt;
    }
    std::optional<RatedPuzzle> made =
        makeRatedPuzzle(choice->band, choice->symmetric, std::ref(searchRandom()), searchCancelled);
    // A Cancel pressed as the search ended still counts.
    if (made && searchCancelledNow()) {
        made.reset();
    }
    closeWindow(searchProgressWindow);
    if (!made) {
        return std::nullopt;
    }
    return made->puzzle;
}
