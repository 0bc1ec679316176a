#ifndef PINPOINTING_H
#define PINPOINTING_H

#include "measurementframe.h"
#include "pinpointingseries.h"

class QLabel;
class QProgressBar;

namespace Ui {
class Pinpointing;
}

// The pinpointing screen (widget 3): the operator listens at up to ten
// points along a pipe; each mute closes a point with its level, minimum,
// frequency, position and last seconds of sound, and the drop marks the
// highest minimum as the probable leak.
class Pinpointing : public MeasurementFrame
{
    Q_OBJECT
public:
    explicit Pinpointing(QWidget* parent = nullptr);
    ~Pinpointing() override;

    // Listening begins a new point; muting closes it (an empty one is
    // dropped). A repeated mute or unmute only acts on the audio path.
    // Nothing in the stored view.
    void muteAudioPath(bool mute, bool transmit) override;

    const PinpointingSeries& points() const { return m_points; }
    int scaleMode() const { return m_scaleMode; }

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void updateLevel();

    void on_butMenuSave_clicked();
    void on_butMenuScale_clicked();
    void on_butMenuDeleteLast_clicked();
    void on_butMenuSettings_clicked();
    void on_butMenuMainmenu_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuMicrophone_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuHeadphone_2_clicked();
    void on_butMenuMainmenu_2_clicked();
    void on_butStartStop_clicked();

    void on_butMenuStoredPlay_clicked();
    void on_butMenuStoredStop_clicked();
    void on_butMenuStoredNext_clicked();
    void on_butMenuStoredHeadphone_clicked();
    void on_butMenuStoredBack_clicked();

protected:
    void leaveSteps() override;
    void stopStoredSound() override;

private:
    void startLive();
    void startStored();
    void applyDisplayOptions();
    void showFilter();
    // The recordings follow the points when the series moved left.
    void shiftSounds();
    // The point's recording is not its sound: kept with the point, logged.
    void soundLost(int point, const QString& why);
    void logSoundLost(int point) const;

    // The stored view.
    QString storedDirectory() const;
    void analyseInfoFile();
    void hideBarsIfInvalid();
    // The play ("Start") or stop ("Stop") picture under the selected point.
    void showSymbol(const char* picture);

    void updateProgbars();
    void adjustProgbarRange();
    void arrangeElements(bool stored);
    // The layout of the live view with no point shown, or of the stored
    // view with every point and the symbol under the selected one.
    void resetDisplay(bool stored);
    void setProgressBarFrequColor(QProgressBar* bar, int frequency, const QString& colour);
    QProgressBar* bar(int point) const;
    QLabel* valueLabel(int point) const;

    Ui::Pinpointing* ui;
    PinpointingSeries m_points;
    int m_significandFrequencyCurrent = 0;
    int m_leakPos = -1;
    float m_leakLevel = 0.0f;
    int m_leakFrequency = 0;
    bool m_linearScale = false;
    int m_scaleMode = 0;
    bool m_useDynamicScaling = false;
    float m_dynamicScaleMin = 0.0f;
    float m_dynamicScaleMax = 1000.0f;
};

#endif
