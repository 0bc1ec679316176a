#ifndef MEASUREMENTFRAME_H
#define MEASUREMENTFRAME_H

#include "screennumbers.h"

#include <QWidget>

class Bluetooth;
class QKeyEvent;

// What every measurement screen does when it is opened and left: muted
// start, the current filter and gain step, the accessory's mute key taken
// over while the screen is shown, and leaving to the main menu (live) or to
// the measurement browser (stored view).
class MeasurementFrame : public QWidget
{
    Q_OBJECT
public:
    explicit MeasurementFrame(QWidget* parent = nullptr);

public slots:
    // The accessory's mute key while this screen is shown.
    void switchActiveMute(bool mute);

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

protected slots:
    void on_butMenuBack_clicked();

protected:
    enum StartSteps { MuteAndConnectOnly, FullStart };

    // favouriteNumber 0 leaves the favourite as it is.
    void startFrame(int variant, int favouriteNumber, StartSteps steps = FullStart);
    void leave();
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

    Bluetooth* m_btSink = nullptr;
    bool m_storedMeasurement = false;
    int m_storedFilterType = 0;
    quint32 m_storedFilterLowCutOff = 0;
    quint32 m_storedFilterHighCutOff = 4000;
    int m_micGainStep = 3;
    bool m_bootedToFavourite = false;

    // Filled by each screen's own work: live measuring (level poll, point
    // handling, recording) and the stored view of the selected measurement.
};

#endif
