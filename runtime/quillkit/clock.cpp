// Time of the Quillkit library: the local clock, waits and a millisecond
// counter. Windows' own names (Sleep, GetTickCount) are left to programs
// that DECLARE them.
#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <ctime>
#endif
#include <cstdint>
#include <cstdio>

#include "quillkit.h"

namespace {

struct LocalTime {
    int year, month, day, hour, minute, second, millisecond;
};

LocalTime now() {
#ifdef _WIN32
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
#else
    timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm t;
    localtime_r(&ts.tv_sec, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
            t.tm_min, t.tm_sec, static_cast<int>(ts.tv_nsec / 1000000)};
#endif
}

uint32_t milliseconds() {
#ifdef _WIN32
    return GetTickCount();
#else
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
#endif
}

// TickCount counts from the program's start, so that it stays small and
// positive (for 24 days) whatever the machine's uptime; the unsigned
// difference also holds across GetTickCount's wrap.
const uint32_t started = milliseconds();

}  // namespace

namespace quillkit {

Double Timer() {
    LocalTime t = now();
    return t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0;
}

String DateStr() {
    LocalTime t = now();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    return String(text);
}

String TimeStr() {
    LocalTime t = now();
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return String(text);
}

void Pause(Long ms) {
    if (ms <= 0) return;
#ifdef _WIN32
    Sleep(static_cast<DWORD>(ms));
#else
    timespec wait{ms / 1000, (ms % 1000) * 1000000L};
    // A signal cuts the wait short; the rest is waited for.
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
#endif
}

Long TickCount() { return static_cast<Long>(milliseconds() - started); }

}  // namespace quillkit
