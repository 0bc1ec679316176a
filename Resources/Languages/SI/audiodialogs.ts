<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>Filtersettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Uporabi</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Ojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>AutomaticFilterSetting</source>
        <translatorcomment>Automatic filter setting</translatorcomment>
        <translation>Samodejna nastavitev filtra</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translatorcomment>No filter</translatorcomment>
        <translation>Brez filtra</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Uporabi</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translatorcomment>Warning! Risk of an acoustic shock.</translatorcomment>
        <translation>Opozorilo! Nevarnost akustičnega šoka.</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translatorcomment>Warning!
High volumes can lead to hearing damage.</translatorcomment>
        <translation>Opozorilo!
Velika glasnost lahko poškoduje sluh.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Uporabi</translation>
    </message>
</context>
</TS>
