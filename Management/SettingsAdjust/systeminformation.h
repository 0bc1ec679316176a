#ifndef SYSTEMINFORMATION_H
#define SYSTEMINFORMATION_H

#include "Management/modalplaceholder.h"

namespace Ui {
class Systeminformation;
}

// The system-information dialog, and the unit's hardware version read from
// the ADC straps.
class Systeminformation : public ModalPlaceholder
{
    Q_OBJECT
public:
    explicit Systeminformation(QWidget* parent = nullptr);
    ~Systeminformation() override;

    // 0 = hardware "V 1" (WT32 modules), 1 = "V 2" (IDC777 modules),
    // -1 = not recognised (also for missing or unreadable strap files).
    static int readHardwareVersion();

    void init();

private:
    // Filled by the device-service work: versions, addresses, serial number,
    // memory and the developer-features switch.
    Ui::Systeminformation* ui;
};

#endif
