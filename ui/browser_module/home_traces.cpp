#include "home_traces.h"

#include <QCoreApplication>
#include <QDir>

namespace {

bool noted = false;
bool hadPki = false;
bool hadNssDb = false;

QString pki() { return QDir::home().filePath(QStringLiteral(".pki")); }
QString nssDb() { return QDir::home().filePath(QStringLiteral(".pki/nssdb")); }

void removeTraces()
{
    if (!hadNssDb)
        QDir(nssDb()).removeRecursively();
    if (!hadPki)
        QDir().rmdir(pki());  // only if nothing else is in it now
}

}  // namespace

void removeBrowserTracesAtExit()
{
    if (noted)
        return;
    noted = true;
    hadPki = QDir(pki()).exists();
    hadNssDb = QDir(nssDb()).exists();
    qAddPostRoutine(removeTraces);
}
