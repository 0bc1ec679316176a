<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>H2Sensor</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Hlavná ponuka</translation>
    </message>
    <message>
        <source>SetReferenceLevel</source>
        <translatorcomment>Set reference level</translatorcomment>
        <translation>Nastaviť referenčnú hladinu</translation>
    </message>
    <message>
        <source>Range</source>
        <translatorcomment>Range</translatorcomment>
        <translation>Merací rozsah</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Uložiť</translation>
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
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translatorcomment>You must connect a H2-Sensor
to use this measurement.</translatorcomment>
        <translation>Na toto meranie musí byť
pripojený snímač H2.</translation>
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
