#pragma once
// What the calling thread has used: its processor time, and how often it
// went to sleep (gave up the processor to wait). Neither grows while a busy
// machine keeps the thread waiting for a processor, so a test can bound
// them where a bound on the wall clock would fail under load.
#include <QtGlobal>

#include <ctime>
#include <sys/resource.h>

namespace tw::test {

struct ThreadUsage {
    qint64 cpuUs = 0;
    qint64 sleeps = 0; // voluntary context switches

    static ThreadUsage Now()
    {
        ThreadUsage u;
        timespec ts{};
        if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts) == 0)
            u.cpuUs = qint64(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
        rusage r{};
        if (getrusage(RUSAGE_THREAD, &r) == 0)
            u.sleeps = r.ru_nvcsw;
        return u;
    }
    ThreadUsage operator-(const ThreadUsage &earlier) const
    {
        return {cpuUs - earlier.cpuUs, sleeps - earlier.sleeps};
    }
};

} // namespace tw::test
