<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Filtersettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Použít</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Zesílení mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>AutomaticFilterSetting</source>
        <translatorcomment>Automatic filter setting</translatorcomment>
        <translation>Automatické nastavení filtru</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translatorcomment>No filter</translatorcomment>
        <translation>Bez filtru</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Použít</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translatorcomment>Warning! Risk of an acoustic shock.</translatorcomment>
        <translation>Varování! Nebezpečí akustického šoku.</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translatorcomment>Warning!
High volumes can lead to hearing damage.</translatorcomment>
        <translation>Varování!
Vysoká hlasitost může poškodit sluch.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Použít</translation>
    </message>
</context>
</TS>
