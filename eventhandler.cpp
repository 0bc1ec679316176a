#include "eventhandler.h"
#include "Hardware/backlight.h"
#include "Management/systemsettings.h"
#include "Testmenu/testmenu.h"
#include "Tools/favouritebutton.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>

namespace {

// More IO repeats than this switch the unit off.
const int kPowerDownRepeats = 7;
// The favourite is stored at exactly this repeat.
const int kStoreFavouriteRepeat = 8;
// Up and Down each held this long switch the console.
const int kConsoleRepeats = 3;

bool isKeypadKey(int key)
{
    return key >= Qt::Key_F1 && key <= Qt::Key_F6;
}

// A translated key: no modifiers, no text, never auto-repeat, count 1.
void postKey(QObject* receiver, QEvent::Type type, int key)
{
    QCoreApplication::postEvent(receiver, new QKeyEvent(type, key, Qt::NoModifier));
}

void sendKey(QObject* receiver, QEvent::Type type, int key)
{
    QKeyEvent event(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &event);
}

bool touchEnabled()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    Systemsettings* store = hub ? hub->getInstanceSystemsettings() : nullptr;
    return store && store->isSUUseTouchForStartupEnabled();
}

}

EventHandler::EventHandler(QObject* parent)
    : QObject(parent)
{
}

bool EventHandler::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        return keyReleased(watched, static_cast<QKeyEvent*>(event));
    case QEvent::TouchBegin:
    case QEvent::TouchEnd:
        return touch(event);
    default:
        return QObject::eventFilter(watched, event);
    }
}

bool EventHandler::keyPressed(QObject* watched, QKeyEvent* event)
{
    const int key = event->key();
    // X11 repeats a held key as flagged release/press pairs, a VNC viewer as
    // unflagged presses; the keypad sends flagged presses only. Both become
    // the keypad's sequence here.
    bool repeat = event->isAutoRepeat();
    if (isKeypadKey(key)) {
        repeat = repeat || m_held.contains(key);
        m_held.insert(key);
    }

    Statusbardata* status = StatusbarData();
    if (status->isPowerSavingActive()) {
        status->resetPowerSavingCnt();
        return true;
    }
    status->resetPowerSavingCnt();
    if (g_hardwareTestActive || !isKeypadKey(key))
        return false;

    switch (key) {
    case Qt::Key_F1:
        pressIo(watched, repeat);
        break;
    case Qt::Key_F2:
        pressFavourite(repeat);
        break;
    case Qt::Key_F3:
        m_cntUpKey = repeat ? m_cntUpKey + 1 : 0;
        postKey(watched, QEvent::KeyPress, Qt::Key_Up);
        break;
    case Qt::Key_F4:
        postKey(watched, QEvent::KeyPress, Qt::Key_Space);
        break;
    case Qt::Key_F5:
        m_cntDownKey = repeat ? m_cntDownKey + 1 : 0;
        postKey(watched, QEvent::KeyPress, Qt::Key_Down);
        break;
    case Qt::Key_F6:
        qDebug() << "Key MUTE pressed";
        if (!repeat)
            postKey(watched, QEvent::KeyPress, Qt::Key_F10);
        break;
    }
    return true;
}

bool EventHandler::keyReleased(QObject* watched, QKeyEvent* event)
{
    const int key = event->key();
    if (!isKeypadKey(key))
        return false;
    // The release half of an X11 repeat pair: the key is still held.
    if (event->isAutoRepeat())
        return true;
    m_held.remove(key);
    if (g_hardwareTestActive)
        return false;

    switch (key) {
    case Qt::Key_F1:
        releaseIo(watched);
        break;
    case Qt::Key_F2:
        releaseFavourite();
        break;
    case Qt::Key_F3:
        releaseUpDown(watched, Qt::Key_Up, &m_cntUpKey);
        break;
    case Qt::Key_F4:
        postKey(watched, QEvent::KeyRelease, Qt::Key_Space);
        break;
    case Qt::Key_F5:
        releaseUpDown(watched, Qt::Key_Down, &m_cntDownKey);
        break;
    case Qt::Key_F6:
        qDebug() << "Key MUTE released";
        postKey(watched, QEvent::KeyRelease, Qt::Key_F10);
        break;
    }
    return true;
}

void EventHandler::pressIo(QObject* watched, bool repeat)
{
    if (!repeat) {
        m_cnt = 0;
        m_shutdown = false;
    } else if (++m_cnt > kPowerDownRepeats) {
        qDebug() << "Power down";
        m_cnt = 0;
        m_shutdown = true;
        // Dark at once, so the user sees the key has been taken.
        Backlight::set(0);
    }
    postKey(watched, QEvent::KeyPress, Qt::Key_F11);
}

void EventHandler::releaseIo(QObject* watched)
{
    const bool shutdown = m_shutdown;
    // A release without a press starts again from nothing.
    m_cnt = 0;
    m_shutdown = false;
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (shutdown) {
        qDebug() << "Send Event for shutdown";
        if (hub)
            sendKey(hub, QEvent::KeyRelease, Qt::Key_F12);
        return;
    }
    qDebug() << "Eventhandler IO-Key released";
    sendKey(watched, QEvent::KeyRelease, Qt::Key_Escape);
    // The screen may have gone with the Escape; the hub is read again.
    hub = MainMenu::getInstanceMainMenu();
    if (hub)
        hub->displayFavouriteDialog(Screen::MainPage);
}

void EventHandler::pressFavourite(bool repeat)
{
    if (!repeat) {
        m_cntFavKey = 0;
        return;
    }
    if (++m_cntFavKey != kStoreFavouriteRepeat)
        return;
    qDebug() << "Neue Funktion speichern";
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    m_favBut = hub ? hub->getFavouriteButtonInsance() : nullptr;
    if (m_favBut)
        m_favBut->storeFavouriteFunction();
}

void EventHandler::releaseFavourite()
{
    const bool stored = m_cntFavKey > kStoreFavouriteRepeat - 1;
    m_cntFavKey = 0;
    if (stored)
        return;
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    m_favBut = hub ? hub->getFavouriteButtonInsance() : nullptr;
    if (m_favBut)
        m_favBut->execFavouriteFunction();
}

void EventHandler::releaseUpDown(QObject* watched, int key, int* ownCounter)
{
    if (m_cntUpKey >= kConsoleRepeats && m_cntDownKey >= kConsoleRepeats) {
        qDebug() << "m_cntUpKey" << m_cntUpKey << "m_cntDownKey" << m_cntDownKey;
        m_cntUpKey = 0;
        m_cntDownKey = 0;
        if (MainMenu* hub = MainMenu::getInstanceMainMenu())
            sendKey(hub, QEvent::KeyRelease, Qt::Key_F13);
        return;
    }
    // Without this a key held earlier would still count towards the
    // combination when the other key is held later on its own.
    *ownCounter = 0;
    postKey(watched, QEvent::KeyRelease, key);
}

bool EventHandler::touch(QEvent* event)
{
    if (!touchEnabled())
        return true;
    if (event->type() == QEvent::TouchBegin)
        return false;
    Statusbardata* status = StatusbarData();
    if (status->isPowerSavingActive()) {
        status->resetPowerSavingCnt();
        return true;
    }
    status->resetPowerSavingCnt();
    return false;
}
