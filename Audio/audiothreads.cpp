#include "audiothreads.h"

#include "analoginputworker.h"
#include "audioworker.h"

#include <cstdio>
#include <cstdlib>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

void shutdownAudioThreads()
{
    shutdownAnalogInputWorker();
    shutdownAudioWorker();
}

bool leaveAudioThreads()
{
    if (audioWorkerChoosingDevices())
        return false;
    shutdownAudioThreads();
    return true;
}

void endProcess(int result)
{
    // Threads still choosing their devices run on; they end with the process.
    leaveAudioThreads();
#ifdef __SANITIZE_ADDRESS__
    // The leak check normally runs at exit, which is skipped.
    __lsan_do_leak_check();
#endif
    std::fflush(nullptr);
    std::_Exit(result);
}
