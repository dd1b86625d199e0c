#pragma once

// The pixel height of a font of the given point size at the screen's
// vertical resolution: points x dots per inch / 72, rounded. The printer
// uses the same height in its own pixels, so the screen decides it there too.
int fontPixelHeight(int points);
