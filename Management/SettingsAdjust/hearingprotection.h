#ifndef HEARINGPROTECTION_H
#define HEARINGPROTECTION_H

#include "settingsadjustdialog.h"

class Bluetooth;
class QSoundEffect;

// Hearing protection and the headset volume offset (-4..+10). While open the
// headset hears the built-in 300 Hz test tone at the gain the choice gives;
// a cancelled dialog puts the gain back.
class HearingProtection : public SettingsAdjustDialog
{
    Q_OBJECT
public:
    static const char* const kTestTone;
    static constexpr int kMinOffset = -4;
    static constexpr int kMaxOffset = 10;

    explicit HearingProtection(QWidget* parent = nullptr);
    ~HearingProtection() override;

    // An offset outside -4..+10 shows 0.
    void init(bool mode, int offset);
    bool getModeHearingProtection() const;
    int getHeadphoneVolumeOffset() const { return m_offset; }

    // The headset-side gain for a choice: 1 with protection, else offset + 5.
    static int headsetGain(bool mode, int offset);

    void done(int result) override;
    bool isTestTonePlaying() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum { ModeActive = 1, ModeInactive = 0 };
    void setOffset(int offset);
    void applyGain();
    void startTestTone();
    void stopTestTone();

    QButtonGroup* m_modes;
    Stepper m_offsetStepper;
    Bluetooth* m_btSource = nullptr;
    QSoundEffect* m_tone = nullptr;
    bool m_initialMode = false;
    int m_initialOffset = 0;
    bool m_initialised = false;  // init() has handed the stored choice in
    int m_offset = 0;
};

#endif
