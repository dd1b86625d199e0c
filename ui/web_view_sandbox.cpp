#include "web_view_sandbox.h"

#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace {

bool hasFlag(std::string_view flags, std::string_view wanted)
{
    std::istringstream words{std::string(flags)};
    std::string word;
    while (words >> word) {
        if (word == wanted)
            return true;
    }
    return false;
}

std::string_view environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string browserRefusal(bool runningAsRoot, std::string_view disableSandboxVariable,
                           std::string_view chromiumFlags)
{
    if (!runningAsRoot || disableSandboxVariable == "1" || hasFlag(chromiumFlags, "--no-sandbox"))
        return {};
    return "the web page is not shown: the embedded browser does not run as root with its "
           "sandbox on, and only whoever starts the program may switch it off "
           "(QTWEBENGINE_DISABLE_SANDBOX=1)";
}

std::string browserRefusalHere()
{
    return browserRefusal(geteuid() == 0, environment("QTWEBENGINE_DISABLE_SANDBOX"),
                          environment("QTWEBENGINE_CHROMIUM_FLAGS"));
}
