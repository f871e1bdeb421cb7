// Qt Test waits (qWait, qWaitForWindowExposed, QTRY_*) by sleeping between rounds of events. In a
// browser a sleep that keeps the page's thread holds back the page's frames, and with them every
// window's first paint: in the tests, a sleep hands the page its turn for as long.
#include <emscripten.h>
#include <time.h>

extern "C" int nanosleep(const struct timespec *duration, struct timespec *remaining)
{
    emscripten_sleep(static_cast<unsigned>(duration->tv_sec * 1000 + duration->tv_nsec / 1000000));
    if (remaining)
        *remaining = {};
    return 0;
}
