<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
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
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeStored</source>
        <translatorcomment>The settings could not be stored.</translatorcomment>
        <translation>Не вдалося зберегти параметри.</translation>
    </message>
    <message>
        <source>ScreenshotCouldNotBeStored</source>
        <translatorcomment>The screenshot could not be stored.</translatorcomment>
        <translation>Не вдалося зберегти знімок екрана.</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Прийняти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>DEL</source>
        <translatorcomment>DEL</translatorcomment>
        <translation>ВИДАЛИТИ</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translatorcomment>ENTER</translatorcomment>
        <translation>ВВЕДЕННЯ</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translatorcomment>SHIFT</translatorcomment>
        <translation>РЕГІСТР</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translatorcomment>SPACE</translatorcomment>
        <translation>ПРОБІЛ</translation>
    </message>
</context>
</TS>
