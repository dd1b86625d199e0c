#include "settings.h"

#include <QSettings>

namespace {

QSettings settings() { return QSettings(QStringLiteral("Kelvaro"), QStringLiteral("Kelvaro")); }

}  // namespace

int savedNumber(const char* key, int fallback)
{
    bool read = false;
    const int number = settings().value(QString::fromUtf8(key)).toInt(&read);
    return read ? number : fallback;
}

void saveNumber(const char* key, int value) { settings().setValue(QString::fromUtf8(key), value); }
