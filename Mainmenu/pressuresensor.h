#ifndef PRESSURESENSOR_H
#define PRESSURESENSOR_H

#include "measurementframe.h"
#include "pressuredata.h"

class LongtermData;

namespace Ui {
class PressureSensor;
}

// The pressure sensor screen (widget 11, opened from the debug menu): while
// it listens, the transducer on the TB-9 streams its readings; the screen
// charts the last minute in bar with MAX, MIN, AVG and the current value,
// logs every sample and a line a minute, pages through the samples and
// saves them as a "PS_" directory. It has no stored view, no link check and
// no sensor note.
class PressureSensor : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit PressureSensor(QWidget* parent = nullptr);
    ~PressureSensor() override;

    // Every call, whatever the state, mutes or opens the path with the
    // accessory told, and asks the accessory to stop ("BT_TX RP") or to
    // start ("BT_TX RS") its stream. Nothing on a hidden screen.
    void muteAudioPath(bool mute, bool transmit) override;

    const PressureData& data() const { return m_data; }

public slots:
    // 1 runs only the common steps; every other value starts a new
    // measurement (no sample, the live files deleted).
    void init(int variant);
    // The transducer's full scale (bar) and its ADC readings at 0 bar and
    // at full scale; one the data refuses leaves everything as it was.
    void enableReceivePressuredata(bool enable, int sensor, unsigned short adMin,
                                   unsigned short adMax);
    // A block of samples: kept only while the screen is shown and listens.
    void pressuredataReceived(int dataCnt, QString pressuredata);

private slots:
    void on_butMenuHome_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuScaleY_clicked();
    void on_butMenuScaleX_clicked();
    void on_butMenuAnalyse_clicked();
    void on_butMenuAnalyseScaleY_clicked();
    void on_butMenuAnalyseScaleX_clicked();
    void on_butMenuAnalysePrev_clicked();
    void on_butMenuAnalyseNext_clicked();
    void on_butMenuAnalyseBack_clicked();

protected:
    // The accessory's key is echoed back to it, as the unit's own key is.
    void accessoryMuteKey(bool mute) override;
    void muteOnLeave() override;
    // Hidden while listening: the stream is stopped.
    bool event(QEvent* event) override;

private:
    void startMeasurement();
    // MAX, MIN, AVG and the current value, or the deviation; "---" for none.
    void updatePressureValues(const PressureData::Statistics& s, bool displayStdDev);
    // An analysis page with the statistics of its samples.
    void showPage(const PressureData::Diagram& d);
    void updateDiagram(const PressureData::Diagram& d);
    void tellAccessory(const char* line);

    Ui::PressureSensor* ui;
    LongtermData* m_chart;
    PressureData m_data;
};

#endif
