#include "fonts.h"

#include "font_size.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

std::map<int, QFont> fonts;
int defaultNumber = -1;

// A font's pixel height is the height of its character cell, ascent plus
// descent, as the sizes of the windows and the link were laid out for; an
// em of that height would be about a tenth larger and cut the link's
// caption off at its right end.
void setCellHeight(QFont& font, int height)
{
    font.setPixelSize(height);
    const int cell = QFontMetrics(font).height();
    if (cell > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(height) * height / cell))));
    }
}

}  // namespace

bool loadFont(int number, const std::string& face, int points)
{
    // Fonts need the application; without it nothing can be loaded. With it Qt
    // always finds a face, the metric-compatible substitute where the named
    // one is missing (Liberation Sans for Arial).
    if (QGuiApplication::instance() == nullptr) {
        return false;
    }
    QFont font(QString::fromStdString(face));
    setCellHeight(font, fontPixelHeight(points));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    fonts[number] = font;
    return true;
}

const QFont* findFont(int number)
{
    const auto found = fonts.find(number);
    return found == fonts.end() ? nullptr : &found->second;
}

void setDefaultControlFont(int number) { defaultNumber = number; }

const QFont* defaultControlFont() { return defaultNumber < 0 ? nullptr : findFont(defaultNumber); }

void releaseFonts()
{
    fonts.clear();
    defaultNumber = -1;
}
