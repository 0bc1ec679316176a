<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translatorcomment>Histogram</translatorcomment>
        <translation>Histogramă</translation>
    </message>
    <message>
        <source>Level</source>
        <translatorcomment>Level</translatorcomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translatorcomment>Long-term</translatorcomment>
        <translation>Lungă durată</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translatorcomment>H2 Sensor</translatorcomment>
        <translation>Senzor H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translatorcomment>Pipe locating</translatorcomment>
        <translation>Localizare</translation>
    </message>
    <message>
        <source>Management</source>
        <translatorcomment>Management</translatorcomment>
        <translation>Gestionare</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translatorcomment>Measurements</translatorcomment>
        <translation>Măsurări</translation>
    </message>
    <message>
        <source>TB-9</source>
        <translatorcomment>TB-9</translatorcomment>
        <translation>TB-9</translation>
    </message>
    <message>
        <source>Update</source>
        <translatorcomment>Update</translatorcomment>
        <translation>Actualizare</translation>
    </message>
    <message>
        <source>GPS</source>
        <translatorcomment>GPS</translatorcomment>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translatorcomment>Settings</translatorcomment>
        <translation>Setări</translation>
    </message>
</context>
</TS>
