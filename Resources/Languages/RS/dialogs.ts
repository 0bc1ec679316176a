<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Cyrl_RS">
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
        <translation>Откажи</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Не</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Упозорење</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeStored</source>
        <translatorcomment>The settings could not be stored.</translatorcomment>
        <translation>Подешавања нису могла да се сачувају.</translation>
    </message>
    <message>
        <source>ScreenshotCouldNotBeStored</source>
        <translatorcomment>The screenshot could not be stored.</translatorcomment>
        <translation>Снимак екрана није могао да се сачува.</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Потврди</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>DEL</source>
        <translatorcomment>DEL</translatorcomment>
        <translation>БРИШИ</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translatorcomment>ENTER</translatorcomment>
        <translation>УНОС</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translatorcomment>SHIFT</translatorcomment>
        <translation>ВЕЛИКА СЛОВА</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translatorcomment>SPACE</translatorcomment>
        <translation>РАЗМАК</translation>
    </message>
</context>
</TS>
