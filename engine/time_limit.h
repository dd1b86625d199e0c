#pragma once

#include <chrono>

// A limit on how long the explaining searches may take: a caller that must
// answer a player in time (a hint, a puzzle check, a rating) opens one; the
// long searches call checkTimeLimit() now and then, and once the limit has
// passed it throws OutOfTime, which the caller catches and reports as "too
// hard to rate in time". Limits nest; the innermost holds. Without one,
// nothing is limited.
struct OutOfTime {};

class TimeLimit {
public:
    explicit TimeLimit(std::chrono::steady_clock::duration budget);
    ~TimeLimit();
    TimeLimit(const TimeLimit&) = delete;
    TimeLimit& operator=(const TimeLimit&) = delete;

private:
    std::chrono::steady_clock::time_point deadline_;
    const TimeLimit* outer_;
    friend void checkTimeLimit();
};

// How long a player waits at most for a hint, a puzzle check or a rating.
constexpr std::chrono::seconds playerWait{2};

void checkTimeLimit();
