<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Cyrl_RS">
<context>
    <name>H2Sensor</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Главни мени</translation>
    </message>
    <message>
        <source>SetReferenceLevel</source>
        <translatorcomment>Set reference level</translatorcomment>
        <translation>Постави референтни ниво</translation>
    </message>
    <message>
        <source>Range</source>
        <translatorcomment>Range</translatorcomment>
        <translation>Мерни опсег</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Јачина звука слушалица</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Сачувај</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>Напомена</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translatorcomment>You must connect a H2-Sensor
to use this measurement.</translatorcomment>
        <translation>За ово мерење морате
да прикључите сензор H2.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Упозорење</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>Нема Bluetooth везе.
Проверите TB-9.</translation>
    </message>
</context>
</TS>
