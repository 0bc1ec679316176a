#ifndef STARTUPPROBE_H
#define STARTUPPROBE_H

#include "Tools/firstpaint.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>
#include <ctime>

// Host builds only: with VQ_STARTUP_PROBE=1 in the environment the program
// prints "startup-probe: painted cpu-ms=<CPU time of the process so far>"
// once its window has been painted and ends. The start-up benchmark times
// this.
namespace StartupProbe {

inline void watch(QWidget* window)
{
    if (qEnvironmentVariableIntValue("VQ_STARTUP_PROBE") != 1)
        return;
    FirstPaint::then(window, [] {
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::printf("startup-probe: painted cpu-ms=%.3f\n", cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}

}

#endif
