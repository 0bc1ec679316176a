#ifndef BLUETOOTHDRIVER_H
#define BLUETOOTHDRIVER_H

#include "accessorymessagequeue.h"
#include "bluetooth.h"
#include "bluetoothport.h"

#include <QString>

class BluetoothHost;
class QTimer;

// What both module drivers share: the way to the application, the serial
// port with the text received, the accessory-line queue, the traffic log,
// and the gains, volume and module facts the interface hands out.
class BluetoothDriver : public Bluetooth
{
    Q_OBJECT
public:
    ~BluetoothDriver() override;

    QString getData() override;
    void clearData() override;
    int sendMicInitParameter(int a_gain, int a_mute, int a_button) override;
    void setBtExtMicGain(int gain) override;
    int getBtExtMicGain() override;
    int getBtDacGain() override;
    void setBtLastAdcGain() override;
    int getBtAdcGain() override;
    int getBtExtHeadphoneGain() override;
    int getBtExtHeadphoneBatteryState() override;
    QString getBtIdModul() override;
    QString getBtName() override;
    int getBtProfile() override;
    QString getFwVersionBtModul() override;

public slots:
    void readTtyData() override;
    void sendDebugCmd() override;

protected:
    // How a module's lines end, which of its line ends hand text out through
    // getData(), whether written lines must have left before the call
    // returns, the accessory queue's rules and the DAC gain after a reset.
    struct Traits {
        SerialReceiver::LineEnd lineEnd;
        const char* copyLineEnds;
        bool flushLines;
        AccessoryMessageQueue::Policy messagePolicy;
        int defaultDacGain;
    };
    // The host answers for the application and outlives the driver.
    BluetoothDriver(BluetoothHost* host, const Traits& traits);

    // Takes the complete lines out of the receiver and acts on them.
    virtual void analyseAnswer() = 0;
    // Accessory lines may go out: the module is ready for them.
    virtual bool moduleReady() const { return true; }

    // Deletes the traffic log when developer features are on.
    void startTrafficLog();
    void writeBluetoothCmdsDbg(QString text);
    // One line with its terminator; longer ones than the port takes are refused.
    bool writeLine(const QByteArray& bytes);
    // An accessory line from the module: an answer frees the channel, then
    // the line becomes the interface's signals.
    void dispatchAccessoryLine(const QString& line);
    void setGainDefaults();
    // Stores a gain above 0 also as the one to return to after a mute.
    void storeAdcGain(int gain);

    BluetoothHost* m_host;
    QString m_debugPrefix;
    BluetoothPort* m_port;
    QTimer* m_btStateTimer;
    QTimer* m_btTimerTransmit;  // the answer time-out of the accessory line in flight
    AccessoryMessageQueue m_transmitBuffer;  // with the line in flight
    QString m_btId;
    QString m_btIdMicrophone;
    QString m_btIdHeadphone;

    QString m_btIdModul;
    int m_btExtMicGain = 15;
    int m_btDacGain = 13;
    int m_btAdcGain = 0;
    int m_btLastAdcGain = 0;
    int m_btExtHeadphoneGain = 8;
    int m_btExtHeadphoneBatteryState = -1;
    int m_micInitParameterGain = 15;
    int m_micInitParameterMute = 1;
    int m_micInitParameterButton = 1;
    QString m_btName;
    int m_btProfile = 0;
    bool m_checkCmdAtOk = false;
    QString m_fwVersionBtModul;
    QString m_fwVersion;  // the accessory's
    bool m_inquiryMode = false;
    QString m_receivedInquiryText;

private:
    const Traits m_traits;
};

#endif
