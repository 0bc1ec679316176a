<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Statusbardata</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>The battery is very low. Please recharge.</translation>
    </message>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>The sensor could not be detected.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfTB9ToLow</source>
        <translation>Battery voltage of TB-9 is very low.
Please recharge.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Type of sensor could not be detected.
Please fix sensor or clean contacts.</translation>
    </message>
</context>
</TS>
