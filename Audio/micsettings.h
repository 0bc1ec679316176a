#ifndef MICSETTINGS_H
#define MICSETTINGS_H

#include "audiodialog.h"

class Bluetooth;
class MainMenu;
class QPushButton;

namespace Ui {
class Micsettings;
}

// The microphone gain in six steps. A step is applied at once (the codec's
// amplifier for the wired sensor, else the accessory's gain); the check
// button also makes it the step every measurement screen applies when it
// starts (exec() 1), the IO key leaves it in force until then (0).
class Micsettings : public AudioDialog
{
    Q_OBJECT
public:
    explicit Micsettings(QWidget* parent = nullptr);
    ~Micsettings() override;

    int getMicGainStep() const { return m_micGainStep; }

    // The gain figure: the step directly followed by "(<gain> dB)", the
    // amplifier's gain in shortest notation for the wired sensor, else the
    // accessory's whole dB.
    static QString gainText(int step, bool wired, float pgaGainDb, int accessoryGainDb);
    // An accessory gain value in dB.
    static int accessoryGainDb(int gain) { return gain * 3 - 27; }

private slots:
    void on_butGain1_clicked() { selectStep(1); }
    void on_butGain2_clicked() { selectStep(2); }
    void on_butGain3_clicked() { selectStep(3); }
    void on_butGain4_clicked() { selectStep(4); }
    void on_butGain5_clicked() { selectStep(5); }
    void on_butGain6_clicked() { selectStep(6); }
    void on_butClose_clicked();

private:
    void selectStep(int step);
    void readAccessoryGain();
    void showGain();
    QPushButton* stepButton(int step) const;

    Ui::Micsettings* ui;
    Bluetooth* m_btSink = nullptr;
    MainMenu* m_mainMenu = nullptr;
    int m_micGainStep = 0;
    int m_groundMicGain = 0;
    int m_groundMicGain_dB = 0;
    float m_micPgaGain_dB = 0.0f;
};

#endif
