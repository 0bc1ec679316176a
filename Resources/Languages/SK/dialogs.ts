<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translatorcomment>OK</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Výstraha</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeStored</source>
        <translatorcomment>The settings could not be stored.</translatorcomment>
        <translation>Nastavenia sa nepodarilo uložiť.</translation>
    </message>
    <message>
        <source>ScreenshotCouldNotBeStored</source>
        <translatorcomment>The screenshot could not be stored.</translatorcomment>
        <translation>Snímku obrazovky sa nepodarilo uložiť.</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Použiť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>DEL</source>
        <translatorcomment>DEL</translatorcomment>
        <translation>ZMAZAŤ</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translatorcomment>ENTER</translatorcomment>
        <translation>ENTER</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translatorcomment>SHIFT</translatorcomment>
        <translation>SHIFT</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translatorcomment>SPACE</translatorcomment>
        <translation>MEDZERNÍK</translation>
    </message>
</context>
</TS>
