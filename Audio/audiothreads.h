#ifndef AUDIOTHREADS_H
#define AUDIOTHREADS_H

// Ends the audio worker threads (WorkerThread::stop()) while the application
// object still exists; the workers themselves are static and die after it.
// Called once before the process ends.
void shutdownAudioThreads();
// The same, unless the recording thread is still choosing its sound devices,
// which cannot be cut short: then false at once, and the threads run on. The
// process must then end without returning from main(), whose static workers
// cannot go while their threads run.
bool leaveAudioThreads();
// Ends the process with `result` after leaveAudioThreads(), without the
// static teardown: Qt's sound server engine disconnects at exit without
// holding the lock of its event thread, and a server event arriving just
// then aborts the process. Everything worth keeping is written before this;
// the C streams are flushed here.
[[noreturn]] void endProcess(int result);

#endif
