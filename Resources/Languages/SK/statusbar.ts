<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>Statusbardata</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Výstraha</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translatorcomment>The battery is very low. Please recharge.</translatorcomment>
        <translation>Batéria je takmer vybitá. Nabite ju.</translation>
    </message>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translatorcomment>The sensor could not be detected.</translatorcomment>
        <translation>Snímač nebol rozpoznaný.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfTB9ToLow</source>
        <translatorcomment>Battery voltage of TB-9 is very low.
Please recharge.</translatorcomment>
        <translation>Napätie batérie TB-9 je veľmi nízke.
Nabite ju.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translatorcomment>Type of sensor could not be detected.
Please fix sensor or clean contacts.</translatorcomment>
        <translation>Typ snímača nebol rozpoznaný.
Nasaďte snímač správne
alebo vyčistite kontakty.</translation>
    </message>
</context>
</TS>
