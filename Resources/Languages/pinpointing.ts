<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Autoscale</translation>
    </message>
    <message>
        <source>DeleteLastLevel</source>
        <translation>Delete last level</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translation>Additional settings</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Microphone gain</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Adjust filter</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Stop playing</translation>
    </message>
    <message>
        <source>PlayAudioData</source>
        <translation>Play audio data</translation>
    </message>
    <message>
        <source>PlayNextPosition</source>
        <translation>Play next position</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translation>No bluetooth connection.
Please check your TB-9.</translation>
    </message>
</context>
</TS>
