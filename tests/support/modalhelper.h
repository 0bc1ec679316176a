#ifndef MODALHELPER_H
#define MODALHELPER_H

#include <QElapsedTimer>
#include <QPointer>
#include <QSet>

#include <functional>

class QTimer;
class QWidget;

// Acts on the next modal dialog that opens (from inside its exec() loop):
// polls for the active modal widget and calls `action` with it once, maybe
// before its activation arrived: keys go to the dialog, not to the focus
// (ModalCloser waits for the activation). Returns at once; the action runs
// later from the event loop. If no modal widget appears within timeoutMs,
// nothing happens.
class ModalHelper
{
public:
    static void onNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);
    // The same for the next active modal of class `className` only, for
    // dialogs that open one over the other.
    static void onModal(const char* className, std::function<void(QWidget*)> action,
                        int timeoutMs = 5000);
    // Closes the next modal dialog by pressing and releasing Escape (the IO
    // key); `openAfterPress`, if given, is set to whether the dialog was
    // still open between the two.
    static void escapeNextModal(bool* openAfterPress = nullptr, int timeoutMs = 5000);
    // Rejects/closes the next modal dialog directly.
    static void closeNextModal(int timeoutMs = 5000);
};

// While it lives, closes every modal dialog as soon as it opens (rejects it,
// unless `seen`, called first from inside its exec() loop, closed it), also
// the dialogs that open while `seen` runs. `seen` gets a dialog only while
// it is on top and the active window, so that keys sent to the focus reach
// it.
class ModalCloser
{
public:
    explicit ModalCloser(std::function<void(QWidget*)> seen = nullptr);
    ~ModalCloser();
    ModalCloser(const ModalCloser&) = delete;
    ModalCloser& operator=(const ModalCloser&) = delete;
    int closed() const { return m_closed; }

private:
    static constexpr int kKeysWaitMs = 5000;
    // The modal dialog on top, if it is ready for `seen`.
    QWidget* top();

    QTimer* m_timer;
    const bool m_keys;
    int m_closed = 0;
    QSet<QWidget*> m_handling;
    QPointer<QWidget> m_inactive;
    QElapsedTimer m_inactiveSince;
};

// While it lives, a modal dialog left on top for `graceMs` with nothing
// acting on it (a warning the test did not expect) is closed and fails the
// running test at once, named by its class and texts; without it such a
// dialog would hold the test until ctest's time-out.
class ModalWatchdog
{
public:
    explicit ModalWatchdog(int graceMs = 3000);
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

private:
    QTimer* m_timer;
    QPointer<QWidget> m_top;
    QElapsedTimer m_topSince;
};

#endif
