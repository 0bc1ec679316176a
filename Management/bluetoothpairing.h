#ifndef BLUETOOTHPAIRING_H
#define BLUETOOTHPAIRING_H

#include <QDialog>
#include <QString>

class Bluetooth;
class QKeyEvent;
class QTimer;

namespace Ui {
class BluetoothPairing;
}

// Pairs the unit with a new headset (0, the source module) or TB-9 accessory
// (1, the sink module): searches with that side's module, offers up to three
// found devices of the fitting class, pairs with the one tapped. The caller
// reads the address and name after an accepted exec().
//
// Phases: search (15 s), name reading (up to 12 s), result, disconnect wait,
// pairing (35 s). Starting a phase stops the timers of the others.
class BluetoothPairing : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHeadsetMask = 0x2404;
    static constexpr int kAccessoryMask = 0x2804;
    static constexpr int kSearchMs = 15000;
    static constexpr int kNameMs = 12000;
    static constexpr int kPairingMs = 35000;
    static constexpr int kTickMs = 500;
    static constexpr int kDisconnectPollMs = 100;

    explicit BluetoothPairing(QWidget* parent = nullptr);
    ~BluetoothPairing() override;

    // 0 headset, 1 accessory (anything else counts as 0); disconnects that
    // side's module at once.
    void setPairingDevice(int device);
    QString getBluetoothId() const;
    QString getBluetoothName() const;

    // True when a class-of-device text fits a mask: its first four
    // characters (as far as they go) read as hexadecimal.
    static bool fitsMask(const QString& classOfDevice, int mask);

public slots:
    void updateProgbar();
    void waitForName();
    void waitForPairing();
    void pairBtDeviceIfDisconnected();
    void pairingOkReceived();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butSearch_clicked();
    void on_butCancel_clicked();
    void on_butInfo_clicked();
    void on_butBtDev_1_clicked();
    void on_butBtDev_2_clicked();
    void on_butBtDev_3_clicked();

private:
    Bluetooth* module() const;
    void stopPhaseTimers();
    void analyseReceivedData();
    void pairBtDevice(int index);
    void updateBtInfo();
    void appendInfo(const QString& text, const QColor& color);
    void showStatus(const QString& text, bool phaseRunning);
    void setProgress(int maximum, int value);

    Ui::BluetoothPairing* ui;
    Bluetooth* m_btSource = nullptr;
    Bluetooth* m_btSink = nullptr;
    QTimer* m_timer = nullptr;
    QTimer* m_timerWaitForName = nullptr;
    QTimer* m_timerPairing = nullptr;
    QTimer* m_timerWaitForDisconnect = nullptr;
    int m_currentPage = 1;
    QString m_stylesheetMic;
    QString m_stylesheetHp;
    int m_milliseconds = 0;
    int m_selBtDevice = 0;
    QString m_bluetoothIdButton[10];
    QString m_bluetoothNameButton[10];
    QString m_bluetoothIdInquiry[10];
    QString m_bluetoothIdName[10];
    QString m_bluetoothNameTmp[10];
    QString m_bluetoothName[10];
    QString m_bluetoothClass[10];
    int m_pairingDevice = 0;
    bool m_waitForName = false;
    // The pairing this dialog started is awaited: only then, and only from
    // this side's module, does a pairing confirmation count.
    bool m_pairingRunning = false;
};

#endif
