#ifndef POPUPCLOSER_H
#define POPUPCLOSER_H

#include <QObject>

class QTimer;

// While it lives, closes every picture pop-up as soon as it opens (as its own
// one-second timer would), so tests need not wait for them.
class PopupCloser : public QObject
{
public:
    PopupCloser();
    int closed() const { return m_closed; }

private:
    QTimer* m_timer;
    int m_closed = 0;
};

#endif
