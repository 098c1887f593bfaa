#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

// The process's peak resident memory so far, in kB (VmHWM of /proc/self/status); 0 where the
// system does not tell.
inline long peakResidentKb()
{
    long kb = 0;
    if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                kb = std::strtol(line + 6, nullptr, 10);
        std::fclose(status);
    }
    return kb;
}

// What the start-up benchmarks report once their window is on screen: the moment in µs since
// the epoch, then the peak memory in kB, one line each.
inline void reportShown(long long epochMicroseconds)
{
    std::printf("%lld\n%ld\n", epochMicroseconds, peakResidentKb());
    std::fflush(stdout);
}
