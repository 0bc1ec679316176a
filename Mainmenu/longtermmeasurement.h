#ifndef LONGTERMMEASUREMENT_H
#define LONGTERMMEASUREMENT_H

#include "longtermrecorder.h"
#include "measurementframe.h"

class LongtermData;

namespace Ui {
class Longtermmeasurement;
}

// The long-term measurement screen (widget 9): while the operator listens, a
// level every 1.3 s as number, bar and frequency, on a chart of 3, 10 or
// 30 minutes that wraps and keeps the previous lap in black. Saved as "LT";
// a stored run is shown on a chart of its own.
class Longtermmeasurement : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit Longtermmeasurement(QWidget* parent = nullptr);
    ~Longtermmeasurement() override;

    // Unmuted, a point every tick; muted, none. Nothing is cleared. Also in
    // the stored view, where the points go to the hidden live chart.
    void muteAudioPath(bool mute, bool transmit) override;

    const LongtermRecorder& recorder() const { return m_recorder; }
    const LongtermRun& storedRun() const { return m_stored; }
    const LongtermData* liveChart() const { return longtermData; }
    const LongtermData* storedChart() const { return storedLongtermData; }

public slots:
    // 1 shows the measurement selected in the browser, any other value
    // measures live.
    void init(int variant);
    void updateData();

private slots:
    void on_butMenuTime_clicked();
    void on_butMenuScale_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuSettings_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuMicrophone_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuMainmenu_clicked();
    void on_butMenuMainmenu_2_clicked();
    void on_butMenuMainmenu_3_clicked();
    void on_butMenuStoredBack_clicked();

protected:
    void leaveSteps() override;

private:
    void startLive();
    void startStored();
    void analyseInfoFile();
    void showTimeBase();
    void showScale();
    void redrawLive();

    Ui::Longtermmeasurement* ui;
    // The frame's polling timer, under this screen's name.
    QTimer* const m_updateTimer;
    LongtermData* longtermData = nullptr;
    LongtermData* storedLongtermData = nullptr;
    LongtermRecorder m_recorder;
    LongtermRun m_stored;
};

#endif
