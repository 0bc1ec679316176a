#ifndef EVENTHANDLER_H
#define EVENTHANDLER_H

#include <QObject>
#include <QSet>

class FavouriteButton;
class QKeyEvent;

// The application-wide key filter. The keypad delivers its six keys as F1..F6
// (IO, favourite, Up, OK, Down, Mute); they are swallowed here and turned into
// the keys every screen handles (F11 press / Escape release for IO, Up, Space,
// Down, F10 for Mute). Long IO switches the unit off, the favourite key runs
// the favourite function or stores a new one, Up+Down held switch
// the serial console to the UART, and the first key or touch after the
// backlight went off only wakes the unit.
// Touch input passes only while the touch setting is on.
class EventHandler : public QObject
{
    Q_OBJECT
public:
    explicit EventHandler(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(QObject* watched, QKeyEvent* event);
    bool keyReleased(QObject* watched, QKeyEvent* event);
    bool touch(QEvent* event);

    void pressIo(QObject* watched, bool repeat);
    void releaseIo(QObject* watched);
    void pressFavourite(bool repeat);
    void releaseFavourite();
    void releaseUpDown(QObject* watched, int key, int* ownCounter);

    FavouriteButton* m_favBut = nullptr;
    int m_cnt = 0;
    int m_cntFavKey = 0;
    bool m_shutdown = false;
    int m_cntUpKey = 0;
    int m_cntDownKey = 0;
    // Keypad keys pressed and not yet released: a press of one of them is a
    // repeat, flagged or not.
    QSet<int> m_held;
};

#endif
