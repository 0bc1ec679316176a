#ifndef HEADPHONESETTINGS_H
#define HEADPHONESETTINGS_H

#include "audiodialog.h"

class Bluetooth;

namespace Ui {
class Headphonesettings;
}

// The headset volume, a step 0..15 held by the headphone-side module: the
// dialog asks the module to step up or down, shows the step it reports (also
// after a change made on the headset) and warns in red from a threshold on.
// Nothing is stored. exec(): Accepted from the check button, Rejected from
// the IO key.
class Headphonesettings : public AudioDialog
{
    Q_OBJECT
public:
    static constexpr int kMaxStep = 15;

    explicit Headphonesettings(QWidget* parent = nullptr);
    ~Headphonesettings() override;

    int getVolume() const { return m_headphoneVolStep; }

    // The first step that warns: 9, or 14 with hearing protection on (the
    // hub then lowers the headset's gain, so high steps are quieter).
    static int warningThreshold(bool hearingProtection) { return hearingProtection ? 14 : 9; }

public slots:
    // The headset reported a volume (percent, logged only); the module holds
    // the matching step already.
    void headphoneVolumeChanged(int volume);
    void updateColors();

private slots:
    void on_butVolUp_clicked();
    void on_butVolDown_clicked();
    void on_butClose_clicked();

private:
    // The module's step into the label and the bar.
    void readStep();
    void step(bool up);

    Ui::Headphonesettings* ui;
    Bluetooth* m_btSource = nullptr;
    int m_headphoneVolStep = 0;
};

#endif
