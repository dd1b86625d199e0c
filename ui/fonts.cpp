#include "fonts.h"

#include "font_size.h"

#include <QFont>
#include <QGuiApplication>

#include <map>

namespace {

std::map<int, QFont> fonts;
int defaultNumber = -1;

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
    font.setPixelSize(fontPixelHeight(points));
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
