<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>Measurements</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translatorcomment>Number of measurements near limit.
Please delete old measurements.</translatorcomment>
        <translation>Antallet af målinger nærmer sig grænsen.
Slet gamle målinger.</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translatorcomment>Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translatorcomment>
        <translation>Maksimalt antal målinger nået.
Målingen gemmes ikke.
Slet gamle målinger.</translation>
    </message>
    <message>
        <source>MeasurementCouldNotBeStored</source>
        <translatorcomment>The measurement could not be stored.
Please check the data storage.</translatorcomment>
        <translation>Målingen kunne ikke gemmes.
Kontrollér datalageret.</translation>
    </message>
    <message>
        <source>MeasurementStoredWithoutRecording</source>
        <translatorcomment>The measurement was stored without its recording.</translatorcomment>
        <translation>Målingen blev gemt uden optagelse.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translatorcomment>The recording cannot be played.</translatorcomment>
        <translation>Optagelsen kan ikke afspilles.</translation>
    </message>
</context>
</TS>
