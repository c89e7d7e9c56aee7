#pragma once
#include <cstdio>
#include <cstdlib>
#include <time.h>
inline void kTrace(const char *what) {
    static FILE *f = getenv("KTRACE") ? fopen(getenv("KTRACE"), "a") : nullptr;
    if (!f) return;
    timespec ts; clock_gettime(CLOCK_REALTIME, &ts);
    fprintf(f, "T %ld.%06ld %s\n", (long)ts.tv_sec, ts.tv_nsec / 1000, what); fflush(f);
}
