<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Statusbardata</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translatorcomment>The battery is very low. Please recharge.</translatorcomment>
        <translation>Akumulator jest prawie rozładowany. Proszę go naładować.</translation>
    </message>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translatorcomment>The sensor could not be detected.</translatorcomment>
        <translation>Nie wykryto czujnika.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfTB9ToLow</source>
        <translatorcomment>Battery voltage of TB-9 is very low.
Please recharge.</translatorcomment>
        <translation>Napięcie akumulatora TB-9 bardzo niskie.
Proszę go naładować.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translatorcomment>Type of sensor could not be detected.
Please fix sensor or clean contacts.</translatorcomment>
        <translation>Nie rozpoznano typu czujnika.
Proszę prawidłowo założyć czujnik
lub oczyścić styki.</translation>
    </message>
</context>
</TS>
