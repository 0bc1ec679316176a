<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Regola filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Guadagno microfono</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Volume cuffia</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translatorcomment>Play recorded sound</translatorcomment>
        <translation>Riproduci registrazione</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translatorcomment>Stop playing</translatorcomment>
        <translation>Interrompi riproduzione</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translatorcomment>Headphone gain</translatorcomment>
        <translation>Guadagno cuffia</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>Nota</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>Per questa misura è necessario
collegare un sensore acustico.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>Nessun collegamento Bluetooth.
Controllare il TB-9.</translation>
    </message>
</context>
</TS>
