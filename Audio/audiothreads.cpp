#include "audiothreads.h"

#include "analoginputworker.h"
#include "audioworker.h"

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
