#pragma once

// A mark that draws the eye to a control: a thick dark-blue frame laid over
// its edge, drawn above the neighbouring controls. It is dark enough to stand
// out against a white field in greyscale as well as in colour, and it leaves
// the control's own text, colours and clicks alone.

// Puts the mark on the control or takes it off; does nothing for an id that
// no open window holds.
void setControlMarked(int id, bool marked);
