<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Measurements</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translatorcomment>Number of measurements near limit.
Please delete old measurements.</translatorcomment>
        <translation>Speicher für Messungen fast voll.
Bitte alte Messungen löschen.</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translatorcomment>Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translatorcomment>
        <translation>Höchstzahl an Messungen erreicht.
Die Messung wird nicht gespeichert.
Bitte alte Messungen löschen.</translation>
    </message>
    <message>
        <source>MeasurementCouldNotBeStored</source>
        <translatorcomment>The measurement could not be stored.
Please check the data storage.</translatorcomment>
        <translation>Die Messung konnte nicht gespeichert werden.
Bitte Datenspeicher prüfen.</translation>
    </message>
    <message>
        <source>MeasurementStoredWithoutRecording</source>
        <translatorcomment>The measurement was stored without its recording.</translatorcomment>
        <translation>Die Messung wurde ohne Aufnahme gespeichert.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translatorcomment>The recording cannot be played.</translatorcomment>
        <translation>Die Aufnahme kann nicht abgespielt werden.</translation>
    </message>
</context>
</TS>
