<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>Measurements</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation type="unfinished">Warning</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation type="unfinished">Error</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translatorcomment>Number of measurements near limit.
Please delete old measurements.</translatorcomment>
        <translation type="unfinished">Number of measurements near limit.
Please delete old measurements.</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translatorcomment>Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translatorcomment>
        <translation type="unfinished">Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translation>
    </message>
    <message>
        <source>MeasurementCouldNotBeStored</source>
        <translatorcomment>The measurement could not be stored.
Please check the data storage.</translatorcomment>
        <translation type="unfinished">The measurement could not be stored.
Please check the data storage.</translation>
    </message>
</context>
</TS>
