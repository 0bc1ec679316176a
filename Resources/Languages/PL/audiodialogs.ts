<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Filtersettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Głośność słuchawek</translation>
    </message>
    <message>
        <source>AutomaticFilterSetting</source>
        <translatorcomment>Automatic filter setting</translatorcomment>
        <translation>Automatyczne ustawienie filtra</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translatorcomment>No filter</translatorcomment>
        <translation>Bez filtra</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translatorcomment>Warning! Risk of an acoustic shock.</translatorcomment>
        <translation>Ostrzeżenie! Ryzyko szoku akustycznego.</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translatorcomment>Warning!
High volumes can lead to hearing damage.</translatorcomment>
        <translation>Ostrzeżenie!
Duża głośność może uszkodzić słuch.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Zastosuj</translation>
    </message>
</context>
</TS>
