#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

std::string clipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

void setClipboardText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
