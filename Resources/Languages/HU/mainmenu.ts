<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translatorcomment>Histogram</translatorcomment>
        <translation type="unfinished">Histogram</translation>
    </message>
    <message>
        <source>Level</source>
        <translatorcomment>Level</translatorcomment>
        <translation type="unfinished">Level</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translatorcomment>Long-term</translatorcomment>
        <translation type="unfinished">Long-term</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translatorcomment>H2 Sensor</translatorcomment>
        <translation type="unfinished">H2 Sensor</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translatorcomment>Pipe locating</translatorcomment>
        <translation type="unfinished">Pipe locating</translation>
    </message>
    <message>
        <source>Management</source>
        <translatorcomment>Management</translatorcomment>
        <translation type="unfinished">Management</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translatorcomment>Measurements</translatorcomment>
        <translation type="unfinished">Measurements</translation>
    </message>
    <message>
        <source>TB-9</source>
        <translatorcomment>TB-9</translatorcomment>
        <translation type="unfinished">TB-9</translation>
    </message>
    <message>
        <source>Update</source>
        <translatorcomment>Update</translatorcomment>
        <translation type="unfinished">Update</translation>
    </message>
    <message>
        <source>GPS</source>
        <translatorcomment>GPS</translatorcomment>
        <translation type="unfinished">GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translatorcomment>Settings</translatorcomment>
        <translation type="unfinished">Settings</translation>
    </message>
</context>
</TS>
