// Linked into every test program. QtTest ends its watchdog thread as the
// last test function returns: it tells it to stop and waits for it, but
// Qt's wait returns before the system thread has left, and only as it leaves
// does the thread free its data. Qt's library teardown at exit stops that
// freeing, so on a loaded machine a watchdog still leaving by then leaves its
// data behind and the leak check fails the test. Before that teardown the
// process therefore waits for the threads Qt started without a name of their
// own ("QThread"), as the watchdog is; the program's own threads carry names
// and end themselves.
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const int kPolls = 5000;
const unsigned long kPollUs = 1000;

// Plain system calls: the application object is gone by now.
bool unnamedQtThreadLeft()
{
    const std::string self = std::to_string(syscall(SYS_gettid));
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks)
        return false;
    bool left = false;
    while (const dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] == '.' || self == entry->d_name)
            continue;
        char name[32] = {};
        if (FILE* comm = std::fopen(("/proc/self/task/" + std::string(entry->d_name) + "/comm").c_str(), "r")) {
            left = std::fgets(name, sizeof name, comm) && std::strcmp(name, "QThread\n") == 0;
            std::fclose(comm);
        }
        if (left)
            break;
    }
    closedir(tasks);
    return left;
}

struct ThreadsLeftAtExit {
    // Runs after main() and before the libraries' own teardown.
    ~ThreadsLeftAtExit()
    {
        int polls = 0;
        while (unnamedQtThreadLeft() && polls++ < kPolls)
            usleep(kPollUs);
        if (polls > kPolls)
            std::fprintf(stderr, "An unnamed QThread still runs at exit\n");
    }
} s_threadsLeftAtExit;

}
