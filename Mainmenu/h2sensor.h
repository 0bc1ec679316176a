#ifndef H2SENSOR_H
#define H2SENSOR_H

#include "h2reading.h"
#include "measurementframe.h"

#include <QElapsedTimer>

class LongtermData;

namespace Ui {
class H2Sensor;
}

// The H2 tracer-gas sensor screen (widget 6): it asks the TB-9 for the
// sensor's reading ("BT_TX S") and shows the level above a reference as a
// number, a bar and a chart, and the sensor's heating on a dial. Its PWM
// output, which codec input 2 carries to the headset, clicks faster as the
// gas rises. Each listening period is a point; Save stores an "H2"
// measurement, which the stored view draws again.
class H2Sensor : public MeasurementFrame
{
    Q_OBJECT
public:
    static constexpr int kMutedPollMs = 2500;
    static constexpr int kListeningPollMs = 517;

    explicit H2Sensor(QWidget* parent = nullptr);
    ~H2Sensor() override;

    // Listening begins the next point; the polling follows the state.
    // Nothing while the stored page shows.
    void muteAudioPath(bool mute, bool transmit) override;

    const H2Reading& reading() const { return m_reading; }
    const H2Reading::Stored& stored() const { return m_stored; }

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void readData();
    void btReceivedSensorvalue(QString value, QString activeTime);

    void on_butMenuZero_clicked();
    void on_butMenuScale_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuHome_clicked();
    void on_butMenuMainmenu_2_clicked();
    void on_butMenuStoredBack_clicked();

protected:
    void leaveSteps() override;

private:
    // False when the screen was left while the note was open.
    bool showH2SensorNote(int variant);
    void applyDisplayOptions(bool stored);
    void resetDisplay();
    void startCodec();
    void startLive();
    // The live chart's place, axes and emptied picture.
    void showLiveChart();
    void startStored();
    void analyseInfoFile();

    void updateScaleMaxValue(int mode);
    void showScaleMin();
    // Range label and the chart's scale, the chart emptied.
    void showRange();
    void drawHistory();
    void showRaw(double raw, int level);
    void showHeating(const QString& activeTime, int seconds);
    void pwmOn();
    void updatePwmValue();

    Ui::H2Sensor* ui;
    LongtermData* longtermData;
    H2Reading m_reading;
    H2Reading::Stored m_stored;
    SensorRequestPacer m_requests;
    QElapsedTimer m_clock;
};

#endif
