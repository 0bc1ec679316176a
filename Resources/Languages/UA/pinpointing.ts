<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>Автомасштаб</translation>
    </message>
    <message>
        <source>DeleteLastLevel</source>
        <translatorcomment>Delete last level</translatorcomment>
        <translation>Видалити останній рівень</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>Додаткові параметри</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Головне меню</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Підсилення мікрофона</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Налаштувати фільтр</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Гучність навушників</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translatorcomment>Stop playing</translatorcomment>
        <translation>Зупинити відтворення</translation>
    </message>
    <message>
        <source>PlayAudioData</source>
        <translatorcomment>Play audio data</translatorcomment>
        <translation>Відтворити запис</translation>
    </message>
    <message>
        <source>PlayNextPosition</source>
        <translatorcomment>Play next position</translatorcomment>
        <translation>Відтворити наступну точку</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>Увага</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>Для цього вимірювання потрібно
підключити акустичний датчик.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>Немає з'єднання Bluetooth.
Перевірте TB-9.</translation>
    </message>
</context>
</TS>
