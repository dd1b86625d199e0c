#pragma once

#include <QByteArray>
#include <QtGlobal>

// The browser's tests run as root, without a display or a GPU: the sandbox
// cannot run as root, and there is nothing to draw with but software. Call
// before the application object exists.
inline void useHeadlessBrowser()
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}
