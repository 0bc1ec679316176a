<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>Measurements</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translatorcomment>Number of measurements near limit.
Please delete old measurements.</translatorcomment>
        <translation>Паметта за измервания е почти пълна.
Изтрийте стари измервания.</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translatorcomment>Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translatorcomment>
        <translation>Достигнат е максималният брой измервания.
Измерването няма да бъде запазено.
Изтрийте стари измервания.</translation>
    </message>
    <message>
        <source>MeasurementCouldNotBeStored</source>
        <translatorcomment>The measurement could not be stored.
Please check the data storage.</translatorcomment>
        <translation>Измерването не можа да бъде запазено.
Проверете паметта за данни.</translation>
    </message>
    <message>
        <source>MeasurementStoredWithoutRecording</source>
        <translatorcomment>The measurement was stored without its recording.</translatorcomment>
        <translation>Измерването беше запазено без записа.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translatorcomment>The recording cannot be played.</translatorcomment>
        <translation>Записът не може да бъде възпроизведен.</translation>
    </message>
</context>
</TS>
