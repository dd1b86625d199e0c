#include "browser_loader.h"

#include "browser_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPluginLoader>

// Qt's own setter of the context that all later ones share, exported since
// Qt 5 and used the same way by Qt WebEngine, which declares it like this too.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace {

QString chosenFile;
QPluginLoader* loader = nullptr;

// The browser draws through OpenGL contexts that must share with the one it
// finds set for the whole application, and crashes when there is none. Qt
// makes that context at start when asked before the application object
// exists; made here instead, no run pays for it until a web page opens.
void shareOneOpenGLContext()
{
    if (QOpenGLContext::globalShareContext() != nullptr)
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

}  // namespace

QString browserModuleFile()
{
    if (!chosenFile.isEmpty())
        return chosenFile;
    // The same path leads from the program to the module in the build tree
    // and in every installed tree.
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/" KELVARO_BROWSER_MODULE_DIR "/kelvaro_browser.so"));
}

void setBrowserModuleFile(const QString& file) { chosenFile = file; }

bool browserModuleLoaded() { return loader != nullptr && loader->isLoaded(); }

BrowserModule* browserModule(QString* whyNot)
{
    if (loader != nullptr)
        return qobject_cast<BrowserModule*>(loader->instance());
    const QString file = browserModuleFile();
    if (QFileInfo::exists(file))
        shareOneOpenGLContext();
    auto* attempt = new QPluginLoader(file);
    auto* module = qobject_cast<BrowserModule*>(attempt->instance());
    if (module == nullptr) {
        // A module found later, or named by a test, gets its own attempt.
        if (whyNot != nullptr)
            *whyNot = file + QStringLiteral(": ") + attempt->errorString();
        attempt->unload();
        delete attempt;
        return nullptr;
    }
    loader = attempt;
    return module;
}
