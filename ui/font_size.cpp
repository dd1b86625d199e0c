#include "font_size.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

int fontPixelHeight(int points)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(points * dpi / 72.0));
}
