#ifndef SELECTSWITCHMODE_H
#define SELECTSWITCHMODE_H

#include "settingsadjustdialog.h"

// The Mute key's mode: each press toggles ("Switch") or push to listen.
class SelectSwitchmode : public SettingsAdjustDialog
{
    Q_OBJECT
public:
    explicit SelectSwitchmode(QWidget* parent = nullptr);

    // "Switch"; anything else is the push-button mode.
    void init(QString switchmode);
    // "Switch" or "Push-Button".
    QString getSwitchmode() const;

private:
    enum { ModeSwitch = 0, ModePushButton = 1 };
    QButtonGroup* m_modes;
};

#endif
