#pragma once

class QWidget;

// A static text for a small corner of a window: it wraps at its width and,
// when the text would run past its bottom in the default control font,
// draws it in a font small enough to fit (down to a size that stays
// readable). Its text is set and read with setControlText and controlText.
QWidget* createFittedText(int window, int id, int x, int y, int w, int h);
