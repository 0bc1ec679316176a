<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Hlavná ponuka</translation>
    </message>
    <message>
        <source>AnalysisTime</source>
        <translatorcomment>Analysis time</translatorcomment>
        <translation>Čas analýzy</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>Automatická mierka</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>Ďalšie nastavenia</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Nastaviť filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Zosilnenie mikrofónu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Späť</translation>
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
        <translation>Na toto meranie musí byť
pripojený akustický snímač.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Výstraha</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>Žiadne spojenie Bluetooth.
Skontrolujte TB-9.</translation>
    </message>
</context>
</TS>
