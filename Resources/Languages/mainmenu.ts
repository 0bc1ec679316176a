<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Long-term</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>H2 Sensor</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Pipe locating</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Management</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>TB-9</source>
        <translation>TB-9</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
</context>
</TS>
