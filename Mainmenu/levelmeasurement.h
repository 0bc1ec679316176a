#ifndef LEVELMEASUREMENT_H
#define LEVELMEASUREMENT_H

#include "measurementframe.h"

namespace Ui {
class Levelmeasurement;
}

// The level-measurement screen (widget 1).
class Levelmeasurement : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit Levelmeasurement(QWidget* parent = nullptr);
    ~Levelmeasurement() override;

    // Measures nothing yet: the Mute key and the accessory's key only log.
    void muteAudioPath(bool mute, bool transmit) override;

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void on_butMenuBack_clicked();

private:
    Ui::Levelmeasurement* ui;
};

#endif
