#ifndef MODALHELPER_H
#define MODALHELPER_H

#include <functional>

class QWidget;

// Acts on the next modal dialog that opens (from inside its exec() loop):
// polls for the active modal widget and calls `action` with it once. Returns
// at once; the action runs later from the event loop. If no modal widget
// appears within timeoutMs, nothing happens and modalSeen() stays false.
class ModalHelper
{
public:
    static void onNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);
    // Closes the next modal dialog by pressing and releasing Escape.
    static void escapeNextModal(int timeoutMs = 5000);
    // Rejects/closes the next modal dialog directly.
    static void closeNextModal(int timeoutMs = 5000);
};

#endif
