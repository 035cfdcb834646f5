#include "program/LeakCheck.h"

#if defined(KALVADO_SANITIZE)
#include <sanitizer/lsan_interface.h>

#include <chrono>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <thread>
#endif

namespace kalvado {

#if defined(KALVADO_SANITIZE)
namespace {

long threadCount()
{
    std::error_code error;
    const std::filesystem::directory_iterator tasks("/proc/self/task", error);
    return error ? -1 : std::distance(tasks, std::filesystem::directory_iterator());
}

} // namespace

void CheckLeaksWhileThreadsAreQuiet()
{
    // A thread that has finished leaves the process within microseconds;
    // the count unchanged for 50 ms means none is on its way out. Bounded,
    // so that a thread stuck on its way out only delays the check.
    using namespace std::chrono;
    const auto giveUp = steady_clock::now() + seconds(2);
    long last = threadCount();
    auto steadySince = steady_clock::now();
    while (steady_clock::now() - steadySince < milliseconds(50) && steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(milliseconds(2));
        const long now = threadCount();
        if (now != last) {
            last = now;
            steadySince = steady_clock::now();
        }
    }
    __lsan_do_leak_check();
}
#else
void CheckLeaksWhileThreadsAreQuiet() {}
#endif

} // namespace kalvado
