#include "audiothreads.h"

#include "analoginputworker.h"

void shutdownAudioThreads()
{
    shutdownAnalogInputWorker();
    // Filled by the recording work: end the recording worker's thread here too.
}
