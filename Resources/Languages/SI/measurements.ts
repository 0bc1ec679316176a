<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>Measurements</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Opozorilo</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Napaka</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translatorcomment>Number of measurements near limit.
Please delete old measurements.</translatorcomment>
        <translation>Pomnilnik za meritve je skoraj poln.
Izbrišite stare meritve.</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translatorcomment>Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translatorcomment>
        <translation>Doseženo je največje število meritev.
Meritev ne bo shranjena.
Izbrišite stare meritve.</translation>
    </message>
    <message>
        <source>MeasurementCouldNotBeStored</source>
        <translatorcomment>The measurement could not be stored.
Please check the data storage.</translatorcomment>
        <translation>Meritve ni bilo mogoče shraniti.
Preverite podatkovni pomnilnik.</translation>
    </message>
    <message>
        <source>MeasurementStoredWithoutRecording</source>
        <translatorcomment>The measurement was stored without its recording.</translatorcomment>
        <translation>Meritev je bila shranjena brez posnetka.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translatorcomment>The recording cannot be played.</translatorcomment>
        <translation>Posnetka ni mogoče predvajati.</translation>
    </message>
</context>
</TS>
