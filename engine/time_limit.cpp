#include "time_limit.h"

namespace {

thread_local const TimeLimit* innermost = nullptr;

}  // namespace

TimeLimit::TimeLimit(std::chrono::steady_clock::duration budget)
    : deadline_(std::chrono::steady_clock::now() + budget), outer_(innermost)
{
    innermost = this;
}

TimeLimit::~TimeLimit() { innermost = outer_; }

void checkTimeLimit()
{
    if (innermost != nullptr && std::chrono::steady_clock::now() >= innermost->deadline_) {
        throw OutOfTime{};
    }
}
