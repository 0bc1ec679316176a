#ifndef DISPLAYSETTINGS_H
#define DISPLAYSETTINGS_H

#include "settingsadjustdialog.h"

// Display brightness: 5 low, 6 medium, 7 high. Each choice goes to the
// backlight at once; a cancelled dialog puts back the level it found, an
// accepted one leaves the backlight at the level it returns.
class Displaysettings : public SettingsAdjustDialog
{
    Q_OBJECT
public:
    explicit Displaysettings(QWidget* parent = nullptr);

    // Reads the backlight level now in use.
    void init();
    // The chosen level (the level found when nothing was chosen) and its
    // text ("low", "medium", "high"; empty for other levels).
    int getBrightness(QString* text) const;

    void done(int result) override;

private:
    enum { Low = 5, Medium = 6, High = 7 };
    void choose(int level);
    static int storedLevel();

    QButtonGroup* m_levels;
    int m_foundLevel = -1; // -1: the backlight could not be read
    int m_level = -1;
};

#endif
