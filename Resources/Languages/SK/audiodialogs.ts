<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>Filtersettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Použiť</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Zosilnenie mikrofónu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>AutomaticFilterSetting</source>
        <translatorcomment>Automatic filter setting</translatorcomment>
        <translation>Automatické nastavenie filtra</translation>
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
        <translation>Použiť</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translatorcomment>Warning! Risk of an acoustic shock.</translatorcomment>
        <translation>Výstraha! Nebezpečenstvo akustického šoku.</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translatorcomment>Warning!
High volumes can lead to hearing damage.</translatorcomment>
        <translation>Výstraha!
Vysoká hlasitosť môže poškodiť sluch.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>Accept</source>
        <translatorcomment>Accept</translatorcomment>
        <translation>Použiť</translation>
    </message>
</context>
</TS>
