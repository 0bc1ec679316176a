<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translatorcomment>OK</translatorcomment>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Opozorilo</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeStored</source>
        <translatorcomment>The settings could not be stored.</translatorcomment>
        <translation>Nastavitev ni bilo mogoče shraniti.</translation>
    </message>
    <message>
        <source>ScreenshotCouldNotBeStored</source>
        <translatorcomment>The screenshot could not be stored.</translatorcomment>
        <translation>Posnetka zaslona ni bilo mogoče shraniti.</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Uporabi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>DEL</source>
        <translatorcomment>DEL</translatorcomment>
        <translation>IZBRIŠI</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translatorcomment>ENTER</translatorcomment>
        <translation>VNAŠALKA</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translatorcomment>SHIFT</translatorcomment>
        <translation>DVIGALKA</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translatorcomment>SPACE</translatorcomment>
        <translation>PRESLEDNICA</translation>
    </message>
</context>
</TS>
