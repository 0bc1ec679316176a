<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Hlavní nabídka</translation>
    </message>
    <message>
        <source>AnalysisTime</source>
        <translatorcomment>Analysis time</translatorcomment>
        <translation>Doba analýzy</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>Automatické měřítko</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>Další nastavení</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Nastavit filtr</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Zesílení mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>Pro toto měření musí být
připojen akustický senzor.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Varování</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>Žádné spojení Bluetooth.
Zkontrolujte prosím TB-9.</translation>
    </message>
</context>
</TS>
