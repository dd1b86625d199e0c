#pragma once

#include <QString>

class BrowserModule;

// The browser module, loaded on the first call and kept for the rest of the
// run (the browser's libraries cannot be unloaded safely). Null when it is
// not installed or does not load; `whyNot` then says why, in one line.
BrowserModule* browserModule(QString* whyNot);

// Whether the module has been loaded in this process.
bool browserModuleLoaded();

// Where the module is looked for: beside the program as it is installed,
// unless a test has named another file before the first web view opened.
QString browserModuleFile();
void setBrowserModuleFile(const QString& file);
