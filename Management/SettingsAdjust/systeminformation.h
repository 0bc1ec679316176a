#ifndef SYSTEMINFORMATION_H
#define SYSTEMINFORMATION_H

#include "Management/servicedialog.h"

class Bluetooth;
class QLabel;
class QTimer;

namespace Ui {
class Systeminformation;
}

// The system-information dialog: versions and Bluetooth modules, the unit's
// identity and battery, the use of its file systems and the developer-
// features switch (on only with the developer code); and the unit's hardware
// version read from the ADC straps.
class Systeminformation : public ServiceDialog
{
    Q_OBJECT
public:
    explicit Systeminformation(QWidget* parent = nullptr);
    ~Systeminformation() override;

    // 0 = hardware "V 1" (WT32 modules), 1 = "V 2" (IDC777 modules),
    // -1 = not recognised (also for missing or unreadable strap files).
    static int readHardwareVersion();

    static const int kDfTimeoutMs = 3000;

    void init();

private slots:
    void on_butMenuUp_clicked() { stepPage(-1); }
    void on_butMenuDown_clicked() { stepPage(1); }
    void on_butDebugFeatures_clicked(bool on);
    // What changes while the dialog is open: module addresses and firmware,
    // and the battery.
    void refresh();

private:
    void setTexts();
    void showModule(Bluetooth* module, QLabel* address, QLabel* firmware);
    void showBattery();
    void showFileSystems();
    void showDebugFeatures();
    // Asks for the developer code; a wrong one is told.
    bool developerCodeEntered();

    Ui::Systeminformation* ui;
    QTimer* m_refreshTimer;
};

#endif
