#ifndef POWERSAVING_H
#define POWERSAVING_H

#include "settingsadjustdialog.h"

// Times without use until the unit switches off (page 1) and until the
// display goes dark (page 2), in seconds; 0 = never.
class PowerSaving : public SettingsAdjustDialog
{
    Q_OBJECT
public:
    explicit PowerSaving(QWidget* parent = nullptr);

    // -1 shows "never"; a time not offered shows 1 h (power-off) or 10 min
    // (display-off).
    void init(int powerOffTime, int backlightOffTime);
    int getPowerOffTime(QString* text) const;
    int getBacklightOffTime(QString* text) const;

private:
    static int chosen(QButtonGroup* group, QString* text);

    QButtonGroup* m_powerOff;
    QButtonGroup* m_backlightOff;
};

#endif
