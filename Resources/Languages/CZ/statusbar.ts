<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Statusbardata</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Varování</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translatorcomment>The battery is very low. Please recharge.</translatorcomment>
        <translation>Baterie je téměř vybitá. Nabijte ji prosím.</translation>
    </message>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translatorcomment>The sensor could not be detected.</translatorcomment>
        <translation>Senzor nebyl rozpoznán.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfTB9ToLow</source>
        <translatorcomment>Battery voltage of TB-9 is very low.
Please recharge.</translatorcomment>
        <translation>Napětí baterie TB-9 je velmi nízké.
Nabijte ji prosím.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translatorcomment>Type of sensor could not be detected.
Please fix sensor or clean contacts.</translatorcomment>
        <translation>Typ senzoru nebyl rozpoznán.
Nasaďte prosím senzor správně
nebo očistěte kontakty.</translation>
    </message>
</context>
</TS>
