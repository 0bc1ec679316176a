<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Measurements</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Number of measurements near limit.
Please delete old measurements.</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translation>
    </message>
    <message>
        <source>MeasurementCouldNotBeStored</source>
        <translation>The measurement could not be stored.
Please check the data storage.</translation>
    </message>
</context>
</TS>
