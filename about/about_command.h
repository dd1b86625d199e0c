#pragma once

// The About button: shows the About window and, if its link is followed, the
// web-page window in its place. Returns once the window shown last has been
// closed. Until then every other event of every window is dropped: buttons
// of the main window do nothing, and edits of its cell fields never reach
// the grid.
void aboutCommand();
