<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>GpsMonitor</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>NoFix</source>
        <translation>No fix</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>SatellitesInUse</source>
        <translation>Satellites in use</translation>
    </message>
    <message>
        <source>InView</source>
        <translation>In view</translation>
    </message>
    <message>
        <source>InUse</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>MoreSatellites</source>
        <translation>%1 more</translation>
    </message>
    <message>
        <source>LastFixUtc</source>
        <translation>Last fix</translation>
    </message>
    <message>
        <source>LocalClock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>ClockFromGps</source>
        <translation>Clock from GPS</translation>
    </message>
    <message>
        <source>LastSetFromGps</source>
        <translation>Last set</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>PortOpen</source>
        <translation>open</translation>
    </message>
    <message>
        <source>PortNotOpen</source>
        <translation>not open</translation>
    </message>
    <message>
        <source>SentencesRead</source>
        <translation>Sentences read</translation>
    </message>
    <message>
        <source>ChecksumFailures</source>
        <translation>Checksum failures</translation>
    </message>
    <message>
        <source>LastSentence</source>
        <translation>Last sentence</translation>
    </message>
    <message>
        <source>SecondsAgo</source>
        <translation>%1 s ago</translation>
    </message>
    <message>
        <source>LastUbxFrame</source>
        <translation>Last UBX frame</translation>
    </message>
</context>
</TS>
