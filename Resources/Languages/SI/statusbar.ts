<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>Statusbardata</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Opozorilo</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translatorcomment>The battery is very low. Please recharge.</translatorcomment>
        <translation>Baterija je skoraj prazna. Napolnite jo.</translation>
    </message>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translatorcomment>The sensor could not be detected.</translatorcomment>
        <translation>Senzorja ni bilo mogoče zaznati.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfTB9ToLow</source>
        <translatorcomment>Battery voltage of TB-9 is very low.
Please recharge.</translatorcomment>
        <translation>Napetost baterije TB-9 je zelo nizka.
Napolnite jo.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translatorcomment>Type of sensor could not be detected.
Please fix sensor or clean contacts.</translatorcomment>
        <translation>Vrste senzorja ni bilo mogoče zaznati.
Pravilno namestite senzor
ali očistite kontakte.</translation>
    </message>
</context>
</TS>
