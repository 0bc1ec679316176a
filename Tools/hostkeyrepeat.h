#ifndef HOSTKEYREPEAT_H
#define HOSTKEYREPEAT_H

// Host builds only. An X server repeats a held key as release/press pairs,
// which Qt flags as a repeat only when the press has already arrived with the
// release; otherwise a held IO key counts as let go and pressed anew. Asked
// here, the server repeats with presses alone, as the unit's keypad does, and
// the key filter counts those. Does nothing on other platforms.
namespace HostKeyRepeat {
void pressesOnly();
}

#endif
