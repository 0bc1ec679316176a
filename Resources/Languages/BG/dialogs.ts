<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
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
        <translation>Отказ</translation>
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
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeStored</source>
        <translatorcomment>The settings could not be stored.</translatorcomment>
        <translation>Настройките не можаха да бъдат запазени.</translation>
    </message>
    <message>
        <source>ScreenshotCouldNotBeStored</source>
        <translatorcomment>The screenshot could not be stored.</translatorcomment>
        <translation>Екранната снимка не можа да бъде запазена.</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Потвърди</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>DEL</source>
        <translatorcomment>DEL</translatorcomment>
        <translation>ИЗТРИЙ</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translatorcomment>ENTER</translatorcomment>
        <translation>ВЪВЕЖДАНЕ</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translatorcomment>SHIFT</translatorcomment>
        <translation>ГЛАВНИ БУКВИ</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translatorcomment>SPACE</translatorcomment>
        <translation>ИНТЕРВАЛ</translation>
    </message>
</context>
</TS>
