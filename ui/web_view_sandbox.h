#pragma once

#include <string>
#include <string_view>

// The embedded browser will not start for the superuser while its sandbox is
// on, and it ends the whole process when asked to. Only whoever starts the
// program may switch the sandbox off: with QTWEBENGINE_DISABLE_SANDBOX=1 or
// --no-sandbox among QTWEBENGINE_CHROMIUM_FLAGS. This returns why the browser
// must not be started, or an empty text when it may be.
std::string browserRefusal(bool runningAsRoot, std::string_view disableSandboxVariable,
                           std::string_view chromiumFlags);

// The same decision for this process, from its user and its environment.
std::string browserRefusalHere();
