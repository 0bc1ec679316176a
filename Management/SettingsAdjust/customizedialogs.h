#ifndef CUSTOMIZEDIALOGS_H
#define CUSTOMIZEDIALOGS_H

#include "settingsadjustdialog.h"

class IconButton;

// What the measurement screens show and how the unit starts: six pages of
// four flags. The start-up GPS flag switches the receiver at once; a
// cancelled dialog switches it back.
class CustomizeDialogs : public SettingsAdjustDialog
{
    Q_OBJECT
public:
    enum Group { Level, Pinpointing, Longterm, H2, Pipelocating, Startup, GroupCount };

    explicit CustomizeDialogs(QWidget* parent = nullptr);

    // Shows the first page.
    void init();

    void setLevelParameter(bool showFft, bool showFrequencyValue, bool showPeakLevelBar,
                           bool useFrequencyColorForLevelbar);
    void setPinpointingParameter(bool showFrequencyValue, bool useFrequencyColorForLevelbar,
                                 bool showFilterParameter, bool dynamicScaling);
    void setLongtermParameter(bool showFrequencyValue, bool useFrequencyColorForLevelbar,
                              bool showGrid, bool showFilterParameter);
    void setH2Parameter(bool showHistogram, bool showGrid, bool dynamicScaling, bool showWorkingRange);
    void setPipelocatingParameter(bool showFft, bool showFrequencyValue,
                                  bool useFrequencyColorForLevelbar, bool showFilterParameter);
    void setStartupParameter(bool useFavourite, bool useFilter, bool useGps, bool useTouch);

    void getLevelParameter(bool* showFft, bool* showFrequencyValue, bool* showPeakLevelBar,
                           bool* useFrequencyColorForLevelbar) const;
    void getPinpointingParameter(bool* showFrequencyValue, bool* useFrequencyColorForLevelbar,
                                 bool* showFilterParameter, bool* dynamicScaling) const;
    void getLongtermParameter(bool* showFrequencyValue, bool* useFrequencyColorForLevelbar,
                              bool* showGrid, bool* showFilterParameter) const;
    void getH2Parameter(bool* showHistogram, bool* showGrid, bool* dynamicScaling,
                        bool* showWorkingRange) const;
    void getPipelocatingParameter(bool* showFft, bool* showFrequencyValue,
                                  bool* useFrequencyColorForLevelbar, bool* showFilterParameter) const;
    void getStartupParameter(bool* useFavourite, bool* useFilter, bool* useGps, bool* useTouch) const;

    void done(int result) override;

private:
    void setFlags(Group group, bool a, bool b, bool c, bool d);
    void getFlags(Group group, bool* a, bool* b, bool* c, bool* d) const;
    void switchGps(bool on);

    IconButton* m_flags[GroupCount][4] = {};
    bool m_gpsAtStart = false;  // the GPS flag as handed in (the box starts unchecked)
};

#endif
