#include "Tools/hostkeyrepeat.h"

#include <QX11Info>
// After the Qt headers: Xlib defines names such as KeyPress as macros.
#include <X11/XKBlib.h>

void HostKeyRepeat::pressesOnly()
{
    if (QX11Info::isPlatformX11())
        XkbSetDetectableAutoRepeat(QX11Info::display(), True, nullptr);
}
