#ifndef BACKLIGHT_H
#define BACKLIGHT_H

// The display's backlight: the one place its file is read and written (the
// brightness dialog, the power saving and the IO key's darkening).
namespace Backlight {

// Writes the level. The file is never created: without it nothing is written
// (false), logged once until a write succeeds again.
bool set(int level);
// The level now in use; false when it cannot be read.
bool level(int& level);

}

#endif
