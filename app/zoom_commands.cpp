#include "zoom_commands.h"

#include "main_window.h"
#include "settings.h"
#include "zoom.h"

#include <array>

namespace {

constexpr std::array<int, 6> steps = {100, 125, 150, 200, 250, 300};
constexpr const char* zoomKey = "zoom";

// The index of the largest step at or below the percent.
std::size_t stepAtOrBelow(int percent)
{
    std::size_t step = 0;
    while (step + 1 < steps.size() && steps[step + 1] <= percent) {
        ++step;
    }
    return step;
}

}  // namespace

void zoomMainWindow(int percent)
{
    std::size_t step = stepAtOrBelow(percent);
    while (step > 0 && !windowFitsAt(mainWindow, steps[step])) {
        --step;
    }
    zoomWindow(mainWindow, steps[step]);
    saveNumber(zoomKey, steps[step]);
}

void zoomInCommand()
{
    const std::size_t step = stepAtOrBelow(windowZoom(mainWindow));
    if (step + 1 < steps.size() && windowFitsAt(mainWindow, steps[step + 1])) {
        zoomMainWindow(steps[step + 1]);
    }
}

void zoomOutCommand()
{
    const std::size_t step = stepAtOrBelow(windowZoom(mainWindow));
    zoomMainWindow(steps[step > 0 ? step - 1 : 0]);
}

void zoomResetCommand() { zoomMainWindow(100); }

int savedZoom() { return savedNumber(zoomKey, 100); }
