#ifndef PIPELOCATING_H
#define PIPELOCATING_H

#include "measurementframe.h"
#include "pipelocatingpoints.h"

class FreqSpectrum;
class QLabel;
class QProgressBar;

namespace Ui {
class Pipelocating;
}

// The pipe-locating screen (widget 8): each listening period is a point
// whose bar holds the loudest level of its last seconds; a pipe symbol marks
// the loudest bar. The tick runs from the live start, muted or not, and
// measures only while listening. Opened from the browser it shows a stored
// measurement's points, where the mute keys do nothing.
class Pipelocating : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit Pipelocating(QWidget* parent = nullptr);
    ~Pipelocating() override;

    // Listening begins a point, muting ends it (one without a level is
    // dropped). A repeated mute or unmute only acts on the audio path.
    void muteAudioPath(bool mute, bool transmit) override;

    const PipelocatingPoints& points() const { return m_points; }
    const PipelocatingPoints& storedPoints() const { return m_stored; }

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void updateData();

    void on_butMenuHome_clicked();
    void on_butMenuMainmenu_2_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuMicrophone_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuStoredBack_clicked();

protected:
    void leaveSteps() override;

private:
    void startLive();
    void startStored();
    void applyDisplayOptions();
    void setFilterLabelsVisible(bool visible);
    void showFilter();

    // The live bars up to the current point, the pipe symbol over the
    // loudest; with takePosition the current point takes the GPS position.
    void updateHistoryValues(bool takePosition);
    void adjustProgbarRange();
    void adjustProgbarRangeStored();
    void analyseInfoFile();
    // A bar's colour by frequency; with `pipe`, the pipe symbols over it.
    void setProgressBarFrequColor(QProgressBar* bar, int frequency, bool pipe);
    static void setRange(QProgressBar* bar, const PipelocatingPoints::Range& range);
    QProgressBar* liveBar(int point) const;
    QLabel* liveLabel(int point) const;
    QProgressBar* storedBar(int point) const;
    QLabel* storedLabel(int point) const;
    bool storedPageShown() const;

    Ui::Pipelocating* ui;
    FreqSpectrum* freqSpectrum;
    PipelocatingPoints m_points;
    PipelocatingPoints m_stored;
    float m_dynamicScaleMin = 0.0f;
    float m_dynamicScaleMax = 100.0f;
};

#endif
