#ifndef PIPELOCATING_H
#define PIPELOCATING_H

#include "measurementframe.h"

namespace Ui {
class Pipelocating;
}

// The pipe-locating screen (widget 8).
class Pipelocating : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit Pipelocating(QWidget* parent = nullptr);
    ~Pipelocating() override;

    // Measures nothing yet: the Mute key and the accessory's key only log.
    void muteAudioPath(bool mute, bool transmit) override;

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void on_butMenuBack_clicked();

private:
    Ui::Pipelocating* ui;
};

#endif
