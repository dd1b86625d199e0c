#pragma once

// The main window's zoom: 100, 125, 150, 200, 250 or 300 percent, never
// larger than the screen can show. The zoom chosen last is kept for the
// next start.

void zoomInCommand();
void zoomOutCommand();
void zoomResetCommand();

// The zoom kept from the last run, or 100.
int savedZoom();

// Draws the main window at the largest step up to `percent` that fits the
// screen (100 at least), and keeps it for the next start.
void zoomMainWindow(int percent);
