<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>H2Sensor</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Hlavní nabídka</translation>
    </message>
    <message>
        <source>SetReferenceLevel</source>
        <translatorcomment>Set reference level</translatorcomment>
        <translation>Nastavit referenční hladinu</translation>
    </message>
    <message>
        <source>Range</source>
        <translatorcomment>Range</translatorcomment>
        <translation>Měřicí rozsah</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Uložit</translation>
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
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translatorcomment>You must connect a H2-Sensor
to use this measurement.</translatorcomment>
        <translation>Pro toto měření musí být
připojen senzor H2.</translation>
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
