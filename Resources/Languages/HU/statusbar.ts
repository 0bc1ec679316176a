<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>Statusbardata</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translatorcomment>The battery is very low. Please recharge.</translatorcomment>
        <translation>Az akkumulátor majdnem lemerült. Kérjük, töltse fel.</translation>
    </message>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translatorcomment>The sensor could not be detected.</translatorcomment>
        <translation>Az érzékelő nem ismerhető fel.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfTB9ToLow</source>
        <translatorcomment>Battery voltage of TB-9 is very low.
Please recharge.</translatorcomment>
        <translation>A TB-9 akkumulátorfeszültsége nagyon alacsony.
Kérjük, töltse fel.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translatorcomment>Type of sensor could not be detected.
Please fix sensor or clean contacts.</translatorcomment>
        <translation>Az érzékelő típusa nem ismerhető fel.
Kérjük, helyezze fel megfelelően
az érzékelőt, vagy tisztítsa meg
az érintkezőket.</translation>
    </message>
</context>
</TS>
