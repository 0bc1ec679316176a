#include "audiothreads.h"

#include "analoginputworker.h"
#include "audioworker.h"

void shutdownAudioThreads()
{
    shutdownAnalogInputWorker();
    shutdownAudioWorker();
}
