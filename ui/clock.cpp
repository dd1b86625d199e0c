#include "clock.h"

#include <chrono>
#include <random>
#include <thread>

std::int64_t tickCount()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int randomInt(int n)
{
    static std::mt19937 generator(static_cast<std::mt19937::result_type>(tickCount()));
    return std::uniform_int_distribution<int>(0, n)(generator);
}

void sleepMilliseconds(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
