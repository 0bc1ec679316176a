<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>PressureSensor</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Mainmenu</translatorcomment>
        <translation type="unfinished">Mainmenu</translation>
    </message>
    <message>
        <source>SetReferenceLevel</source>
        <translatorcomment>Set reference level</translatorcomment>
        <translation type="unfinished">Set reference level</translation>
    </message>
    <message>
        <source>Range</source>
        <translatorcomment>Range</translatorcomment>
        <translation type="unfinished">Range</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation type="unfinished">Headphone volume</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation type="unfinished">Store</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation type="unfinished">Back</translation>
    </message>
</context>
</TS>
