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

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private:
    Ui::Pinpointing* ui;
};

#endif
