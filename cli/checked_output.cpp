#include "checked_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The errno of the first failed write, caught before later calls change it.
int failure = 0;

bool healthy()
{
    if (std::ferror(stdout) == 0) {
        return true;
    }
    if (failure == 0) {
        failure = errno != 0 ? errno : EIO;
    }
    return false;
}

}  // namespace

bool writeOut(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    return healthy();
}

bool flushOut()
{
    std::fflush(stdout);
    return healthy();
}

const char* outputFailure()
{
    return std::strerror(failure);
}
