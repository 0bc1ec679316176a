<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Cyrl_RS">
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Главни мени</translation>
    </message>
    <message>
        <source>AnalysisTime</source>
        <translatorcomment>Analysis time</translatorcomment>
        <translation>Време анализе</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>Аутоматска скала</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>Додатна подешавања</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Сачувај</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Подеси филтер</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Појачање микрофона</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Јачина звука слушалица</translation>
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
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>За ово мерење морате
да прикључите акустични сензор.</translation>
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
