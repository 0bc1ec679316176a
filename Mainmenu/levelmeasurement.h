#ifndef LEVELMEASUREMENT_H
#define LEVELMEASUREMENT_H

#include "levelreadout.h"
#include "measurementframe.h"

class FreqSpectrum;
class QMediaPlayer;

namespace Ui {
class Levelmeasurement;
}

// The level-measurement screen (widget 1): the current and the lowest level
// as bars and figures, a short max-hold of the peak, the dominant frequency
// and the spectrum; a save keeps the lowest level, frequency, filter,
// spectrum and the last seconds of sound. Opened from the browser it shows
// a stored level measurement and replays its sound.
class Levelmeasurement : public MeasurementFrame
{
    Q_OBJECT
public:
    static const char* const kSoundName; // "LE_sound"
    static constexpr int kPlayerVolume = 70;

    explicit Levelmeasurement(QWidget* parent = nullptr);
    ~Levelmeasurement() override;

    // Live: listening polls the levels, muting stops the polling. In the
    // stored view an unmute plays the stored sound and a mute stops it.
    void muteAudioPath(bool mute, bool transmit) override;

    const LevelReadout& readout() const { return m_readout; }
    const LevelReadout::Spectrum& spectrum() const { return m_fft; }
    // The stored sound's player: made by the first Play, gone after Back.
    QMediaPlayer* player() const { return m_player; }

public slots:
    // 1 shows the measurement selected in the browser, 0 measures live.
    void init(int variant);

private slots:
    void updateLevel();

    void on_butMenuMainmenu_clicked();
    void on_butMenuMainmenu_2_clicked();
    void on_butMenuFilter_clicked();
    void on_butMenuMic_clicked();
    void on_butMenuHeadphone_clicked();
    void on_butMenuStoredHeadphone_clicked();
    void on_butMenuSave_clicked();
    void on_butMenuStoredPlay_clicked();
    void on_butMenuStoredStop_clicked();
    void on_butMenuStoredBack_clicked();
    void on_butDbgStartRec_clicked();
    void on_butDbgStopRec_clicked();
    void on_butDbgLoop_clicked();
    void on_butDigitalLoopback_clicked();
    void on_butAnalogLoopback_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveSteps() override;
    void stopPlayback() override;
    void stopStoredSound() override;

private:
    void startLive();
    void startStored();
    void analyseInfoFile();
    void applyDisplayOptions();
    // The bars by the frequencies' colours, or yellow and orange.
    void colourBars(int frequency, int frequencyAtMin);
    void resetSpectrum();
    QString storedSound() const;

    Ui::Levelmeasurement* ui;
    FreqSpectrum* freqSpectrum = nullptr;
    QMediaPlayer* m_player = nullptr;
    LevelReadout m_readout;
    LevelReadout::Spectrum m_fft{};
    float m_storedLevel = 0;
    int m_storedFrequency = 0;
};

#endif
