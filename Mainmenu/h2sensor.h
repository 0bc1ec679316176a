#ifndef H2SENSOR_H
#define H2SENSOR_H

#include "measurementframe.h"

namespace Ui {
class H2Sensor;
}

// The H2 tracer-gas sensor screen (widget 6).
class H2Sensor : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit H2Sensor(QWidget* parent = nullptr);
    ~H2Sensor() override;

    // Measures nothing yet: the Mute key and the accessory's key only log.
    void muteAudioPath(bool mute, bool transmit) override;

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void on_butMenuBack_clicked();

private:
    Ui::H2Sensor* ui;
};

#endif
