#ifndef CONFIGURATION_H
#define CONFIGURATION_H

#include "servicedialog.h"

class Bluetooth;
class QLabel;
class QTimer;

namespace Ui {
class Configuration;
}

// The configuration page of the TB-9 accessory: once shown, it clears what
// both modules collected, lets the link settle, asks the accessory for its
// configuration and shows the answers as they come, until the closing "!$!".
class Configuration : public ServiceDialog
{
    Q_OBJECT
public:
    explicit Configuration(QWidget* parent = nullptr);
    ~Configuration() override;

    static const int kSettleMs = 7000;
    static const int kAnswerMs = 10000;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private slots:
    void requestConfiguration();
    void answerMissing();
    void answerComplete();
    void showSensorType(QString type);
    void showMicGain(QString gain);
    void showBattery(QString millivolts);
    void showFirmwareVersion(QString version);
    void showHardwareVersion(QString version);
    void showButtonMode(QString mode);
    void showMuteState(bool muted);

private:
    void start();
    void setTexts();
    void stop();

    Ui::Configuration* ui;
    Bluetooth* m_sink = nullptr;
    QTimer* m_settleTimer;
    QTimer* m_answerTimer;
    bool m_started = false;
};

#endif
