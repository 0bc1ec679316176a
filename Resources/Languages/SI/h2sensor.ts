<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>H2Sensor</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>SetReferenceLevel</source>
        <translatorcomment>Set reference level</translatorcomment>
        <translation>Nastavi referenčno raven</translation>
    </message>
    <message>
        <source>Range</source>
        <translatorcomment>Range</translatorcomment>
        <translation>Merilno območje</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Shrani</translation>
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
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translatorcomment>You must connect a H2-Sensor
to use this measurement.</translatorcomment>
        <translation>Za to meritev mora biti
priključen senzor H2.</translation>
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
