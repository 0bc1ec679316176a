<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>Filtersettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Mikrofonerősítés</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Fejhallgató-hangerő</translation>
    </message>
    <message>
        <source>AutomaticFilterSetting</source>
        <translatorcomment>Automatic filter setting</translatorcomment>
        <translation>Automatikus szűrőbeállítás</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translatorcomment>No filter</translatorcomment>
        <translation>Nincs szűrő</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translatorcomment>Warning! Risk of an acoustic shock.</translatorcomment>
        <translation>Figyelem! Akusztikus sokk veszélye.</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translatorcomment>Warning!
High volumes can lead to hearing damage.</translatorcomment>
        <translation>Figyelem!
A nagy hangerő halláskárosodást okozhat.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Alkalmaz</translation>
    </message>
</context>
</TS>
