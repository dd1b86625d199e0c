#include "event_loop.h"
#include "fonts.h"
#include "grid.h"
#include "main_window.h"
#include "windows.h"
#include "zoom_commands.h"

#include <QApplication>
#include <QIcon>
#include <QPixmapCache>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends the process when it finds no display to work with; say so in plain
// words and end with a failure code instead of aborting.
void reportStartFailure(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "kelvaro: cannot open the main window: no usable display was found.\n"
                     "kelvaro: (%s)\n",
                     qPrintable(message));
        std::_Exit(EXIT_FAILURE);
    }
    if (type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

QIcon programIcon()
{
    QIcon icon(QStringLiteral(":/icons/kelvaro.svg"));
    icon.addFile(QStringLiteral(":/icons/kelvaro-32.png"), QSize(32, 32));
    return icon;
}

}  // namespace

int main(int argc, char* argv[])
{
    const QtMessageHandler qtHandler = qInstallMessageHandler(reportStartFailure);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);

    // Windows close only when the program decides, so the last one closing
    // must not end the application behind its back.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every message box and print dialog draws its icons afresh into the
    // pixmap cache under keys of their own, never used again; with Qt's limit
    // of 10 MB the cache grew by up to 4 KB a command for thousands of
    // commands. The program's own drawing needs far less.
    QPixmapCache::setCacheLimit(512);
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvaro.Kelvaro"));
    QApplication::setWindowIcon(programIcon());

    resetEngineState();
    if (!openMainWindow(savedZoom())) {
        std::fprintf(stderr, "kelvaro: cannot open the main window.\n");
        return EXIT_FAILURE;
    }

    runMainLoop();

    closeAllWindows();
    releaseFonts();
    return 0;
}
