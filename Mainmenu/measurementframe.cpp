#include "measurementframe.h"
#include "Hardware/bluetooth.h"
#include "mainmenu.h"

#include <QDebug>
#include <QKeyEvent>

MeasurementFrame::MeasurementFrame(QWidget* parent)
    : QWidget(parent)
{
}

void MeasurementFrame::startFrame(int variant, int favouriteNumber, StartSteps steps)
{
    MainMenu* mainMenu = MainMenu::getInstanceMainMenu();
    // The pressure screen has no stored view.
    m_storedMeasurement = (variant == Screen::StoredView && steps == FullStart);
    if (!mainMenu)
        return;
    if (favouriteNumber > 0)
        mainMenu->setCurrentVisibleDlgNum(favouriteNumber);
    mainMenu->muteAudioPath(true, true);
    if (steps == FullStart) {
        mainMenu->getCurrentFilter(&m_storedFilterLowCutOff, &m_storedFilterHighCutOff,
                                   &m_storedFilterType);
        m_micGainStep = mainMenu->getCurrentMicGainStep();
    }
    m_btSink = mainMenu->getBtSinkInstance();
    if (m_btSink)
        connect(m_btSink, &Bluetooth::stateActiveMuteChanged, this,
                &MeasurementFrame::switchActiveMute, Qt::UniqueConnection);
    if (steps == FullStart) {
        m_bootedToFavourite = mainMenu->isBootedToFavouriteFunction();
        mainMenu->resetBootedToFavouriteFunction();
    }
}

void MeasurementFrame::switchActiveMute(bool mute)
{
    qDebug() << metaObject()->className() << "switchActiveMute" << mute;
}

void MeasurementFrame::leave()
{
    if (m_btSink)
        disconnect(m_btSink, &Bluetooth::stateActiveMuteChanged, this,
                   &MeasurementFrame::switchActiveMute);
    if (m_storedMeasurement)
        emit gotoWidget(Screen::MeasManagement, Screen::StackUnchanged, Screen::Live);
    else
        emit exit();
}

void MeasurementFrame::on_butMenuBack_clicked()
{
    leave();
}

void MeasurementFrame::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return; // acted on at its release
    QWidget::keyPressEvent(event);
}

void MeasurementFrame::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            leave();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
