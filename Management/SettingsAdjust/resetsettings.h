#ifndef RESETSETTINGS_H
#define RESETSETTINGS_H

#include "settingsadjustdialog.h"

// Asks before the reset to delivery state; exec() gives 1 only for Yes.
class ResetSettings : public SettingsAdjustDialog
{
    Q_OBJECT
public:
    explicit ResetSettings(QWidget* parent = nullptr);
};

#endif
