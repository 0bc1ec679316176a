#ifndef LONGTERMMEASUREMENT_H
#define LONGTERMMEASUREMENT_H

#include "measurementframe.h"

namespace Ui {
class Longtermmeasurement;
}

// The long-term measurement screen (widget 9): level over time.
class Longtermmeasurement : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit Longtermmeasurement(QWidget* parent = nullptr);
    ~Longtermmeasurement() override;

    // Measures nothing yet: the Mute key and the accessory's key only log.
    void muteAudioPath(bool mute, bool transmit) override;

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void on_butMenuBack_clicked();

private:
    Ui::Longtermmeasurement* ui;
};

#endif
