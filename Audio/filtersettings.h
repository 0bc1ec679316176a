#ifndef FILTERSETTINGS_H
#define FILTERSETTINGS_H

#include "audiodialog.h"

class AudioCodecSetup;
class FreqSpectrum;
class QKeyEvent;
class QTimer;

namespace Ui {
class Filtersettings;
}

// The band filter of the listening path, chosen while listening: the live
// level, the spectrum with the band (a drag across it sets one), arrows that
// step either corner through the codec's list, a band for the connected
// sensor and no filter. Every change goes to the codec at once, and the
// labels show what the codec made of it. The check button makes the band the
// main window's current filter (exec() 1); the IO key leaves without (0) and
// without undoing what the codec already has.
class Filtersettings : public AudioDialog
{
    Q_OBJECT
public:
    static constexpr int kLevelIntervalMs = 300;
    static constexpr int kMaxCorners = 256;

    explicit Filtersettings(QWidget* parent = nullptr);
    ~Filtersettings() override;

    void getFiltersettings(int* type, quint32* low, quint32* high) const;

    // One arrow step of a corner through an ascending list of n corners:
    // down, the largest entry above entry 0 that is below it (the last entry
    // from above the list); up, entry 0 from below it, else the smallest
    // entry above it. False when there is none.
    static bool stepCorner(const quint32* list, int n, quint32 corner, bool up, quint32* next);
    // The band-pass that suits a sensor type.
    static void automaticBand(int sensorType, quint32* low, quint32* high);

public slots:
    void updateLevel();
    // The codec's band into the members, the labels and the spectrum.
    void updateFilter();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butClose_clicked();
    void on_butLowCutOffDown_clicked();
    void on_butLowCutOffUp_clicked();
    void on_butHighCutOffDown_clicked();
    void on_butHighCutOffUp_clicked();
    void on_butAutoFilter_clicked();
    void on_butNoFilter_clicked();
    void on_but50HzFilter_clicked();
    void on_butPreemphase_clicked();
    void on_butHeadphone_clicked();
    void on_butMicrophone_clicked();

private:
    // One of the four arrows; highCorner: the low-pass corner.
    void stepArrow(bool highCorner, bool up);
    void showCorners();
    // The extra filters and the band to the codec, then read back and shown;
    // asCurrent: also the main window's filter.
    void apply(bool asCurrent = false);
    // The Mute key's press or release; false without a main window.
    bool muteKey(bool pressed);

    Ui::Filtersettings* ui;
    FreqSpectrum* freqSpectrum = nullptr;
    QTimer* m_timerLevel = nullptr;
    AudioCodecSetup* m_audioCodec = nullptr;
    quint32 m_lowCutOffFrequency = 0;
    quint32 m_highCutOffFrequency = 4000;
    int m_filterType = 0;
    quint32 m_lpFilterFrequencies[kMaxCorners] = {};
    quint32 m_hpFilterFrequencies[kMaxCorners] = {};
    int m_numLpFilter = 0;
    int m_numHpFilter = 0;
    bool m_filter50HzEnabled = false;
    bool m_filterPreemphaseEnabled = false;
};

#endif
