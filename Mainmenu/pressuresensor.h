#ifndef PRESSURESENSOR_H
#define PRESSURESENSOR_H

#include "measurementframe.h"

namespace Ui {
class PressureSensor;
}

// The pressure-sensor screen (widget 11); nothing in the menus opens it.
class PressureSensor : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit PressureSensor(QWidget* parent = nullptr);
    ~PressureSensor() override;

    // Measures nothing yet: the Mute key and the accessory's key only log.
    void muteAudioPath(bool mute, bool transmit) override;

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void on_butMenuBack_clicked();

private:
    Ui::PressureSensor* ui;
};

#endif
