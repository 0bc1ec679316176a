<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>Autoskalering</translation>
    </message>
    <message>
        <source>DeleteLastLevel</source>
        <translatorcomment>Delete last level</translatorcomment>
        <translation>Slett siste nivå</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>Flere innstillinger</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Hovedmeny</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Mikrofonforsterkning</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Still inn filter</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Hodetelefonvolum</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translatorcomment>Stop playing</translatorcomment>
        <translation>Stopp avspilling</translation>
    </message>
    <message>
        <source>PlayAudioData</source>
        <translatorcomment>Play audio data</translatorcomment>
        <translation>Spill av opptak</translation>
    </message>
    <message>
        <source>PlayNextPosition</source>
        <translatorcomment>Play next position</translatorcomment>
        <translation>Spill av neste posisjon</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>Merk</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>For denne målingen må en
akustisk sensor være tilkoblet.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>Ingen Bluetooth-tilkobling.
Kontroller TB-9.</translation>
    </message>
</context>
</TS>
