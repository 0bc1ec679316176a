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

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private:
    Ui::PressureSensor* ui;
};

#endif
