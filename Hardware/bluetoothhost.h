#ifndef BLUETOOTHHOST_H
#define BLUETOOTHHOST_H

#include <QString>


// What a Bluetooth module driver needs from the rest of the application:
// stored settings, process flags, the main window's microphone parameters,
// an error message and a blocking sleep. The drivers reach the application
// only through this, so tests can hand them a recording stand-in.
class BluetoothHost
{
public:
    virtual ~BluetoothHost() = default;

    // Paired addresses held by the settings store.
    virtual QString btIdMicrophone() = 0;
    virtual QString btIdHeadphone() = 0;

    virtual bool isHearingProtectionEnabled() = 0;
    virtual int headphoneVolumeOffset() = 0;
    virtual bool isMuteKeySwitchmode() = 0;
    // Time format of the traffic log lines ("hh:mm:ss").
    virtual QString timeFormat() = 0;

    // Sends the accessory its start parameters again (the main window's
    // gain, mute state and mute-key mode).
    virtual void updateMicrophoneParameter() = 0;

    virtual bool debugFeatures() = 0;
    virtual bool productionTestEnabled() = 0;

    // A modal error message with one OK button; returns the pressed button
    // (0 = OK).
    virtual int showErrorMessage(const QString& headline, const QString& text) = 0;

    // Blocks the calling thread; instant in tests.
    virtual void sleepMs(int ms) = 0;
};

#endif
