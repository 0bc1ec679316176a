<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>AnalysisTime</source>
        <translatorcomment>Analysis time</translatorcomment>
        <translation>Čas analize</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>Samodejno merilo</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>Dodatne nastavitve</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Nastavi filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Ojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>Opomba</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>Za to meritev mora biti
priključen akustični senzor.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Opozorilo</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>Ni povezave Bluetooth.
Preverite TB-9.</translation>
    </message>
</context>
</TS>
