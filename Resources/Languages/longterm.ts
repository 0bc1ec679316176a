<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>AnalysisTime</source>
        <translatorcomment>Analysis time</translatorcomment>
        <translation>Analysis time</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>Autoscale</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>Additional settings</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Store</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Adjust filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Back</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>Remark</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>No bluetooth connection.
Please check your TB-9.</translation>
    </message>
</context>
</TS>
