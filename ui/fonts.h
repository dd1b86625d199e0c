#pragma once

#include <string>

class QFont;

// Fonts are known by number: 0 the link font, 1 the cell font, 3 the print
// font. A font's size is given in points and turned into a pixel height at
// the screen's vertical resolution: the height of the font's character cell.
// Returns false when the face cannot be found; the number then stays unused.
bool loadFont(int number, const std::string& face, int points);

// The loaded font with that number, or null.
const QFont* findFont(int number);

// Controls created from now on get this font; -1 stands for the system's
// default control font.
void setDefaultControlFont(int number);

// The font that controls created now get, or null for the system's default.
const QFont* defaultControlFont();

// Forgets every loaded font, as the program does when it ends.
void releaseFonts();
