#ifndef PINPOINTING_H
#define PINPOINTING_H

#include "measurementframe.h"

namespace Ui {
class Pinpointing;
}

// The pinpointing screen (widget 3): compares up to ten listening points.
class Pinpointing : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit Pinpointing(QWidget* parent = nullptr);
    ~Pinpointing() override;

    // Measures nothing yet: the Mute key and the accessory's key only log.
    void muteAudioPath(bool mute, bool transmit) override;

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void on_butMenuBack_clicked();

private:
    Ui::Pinpointing* ui;
};

#endif
