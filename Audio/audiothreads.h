#ifndef AUDIOTHREADS_H
#define AUDIOTHREADS_H

// Ends the audio worker threads (quit, then wait) while the application
// object still exists; the workers themselves are static and die after it.
// main() calls this once before it returns.
void shutdownAudioThreads();

#endif
