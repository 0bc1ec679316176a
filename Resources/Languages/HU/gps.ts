<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>GpsMonitor</name>
    <message>
        <source>Position</source>
        <translatorcomment>Position</translatorcomment>
        <translation>Pozíció</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translatorcomment>Satellites</translatorcomment>
        <translation>Műholdak</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translatorcomment>Receiver</translatorcomment>
        <translation>Vevő</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Előző oldal</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Következő oldal</translation>
    </message>
    <message>
        <source>Fix</source>
        <translatorcomment>Fix</translatorcomment>
        <translation>Pozíció megvan</translation>
    </message>
    <message>
        <source>NoFix</source>
        <translatorcomment>No fix</translatorcomment>
        <translation>Nincs pozíció</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translatorcomment>Latitude</translatorcomment>
        <translation>Szélesség</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translatorcomment>Longitude</translatorcomment>
        <translation>Hosszúság</translation>
    </message>
    <message>
        <source>Height</source>
        <translatorcomment>Height</translatorcomment>
        <translation>Magasság</translation>
    </message>
    <message>
        <source>SatellitesInUse</source>
        <translatorcomment>Satellites in use</translatorcomment>
        <translation>Használt műholdak</translation>
    </message>
    <message>
        <source>InView</source>
        <translatorcomment>In view</translatorcomment>
        <translation>Látható</translation>
    </message>
    <message>
        <source>InUse</source>
        <translatorcomment>In use</translatorcomment>
        <translation>Használt</translation>
    </message>
    <message>
        <source>MoreSatellites</source>
        <translatorcomment>%1 more</translatorcomment>
        <translation>további %1</translation>
    </message>
    <message>
        <source>LastFixUtc</source>
        <translatorcomment>Last fix</translatorcomment>
        <translation>Utolsó pozíció</translation>
    </message>
    <message>
        <source>LocalClock</source>
        <translatorcomment>Clock</translatorcomment>
        <translation>Óra</translation>
    </message>
    <message>
        <source>ClockFromGps</source>
        <translatorcomment>Clock from GPS</translatorcomment>
        <translation>Óra GPS-ről</translation>
    </message>
    <message>
        <source>LastSetFromGps</source>
        <translatorcomment>Last set</translatorcomment>
        <translation>Utoljára beállítva</translation>
    </message>
    <message>
        <source>On</source>
        <translatorcomment>On</translatorcomment>
        <translation>Be</translation>
    </message>
    <message>
        <source>Off</source>
        <translatorcomment>Off</translatorcomment>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Power</source>
        <translatorcomment>Power</translatorcomment>
        <translation>Tápellátás</translation>
    </message>
    <message>
        <source>Port</source>
        <translatorcomment>Port</translatorcomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>PortOpen</source>
        <translatorcomment>open</translatorcomment>
        <translation>nyitva</translation>
    </message>
    <message>
        <source>PortNotOpen</source>
        <translatorcomment>not open</translatorcomment>
        <translation>nincs nyitva</translation>
    </message>
    <message>
        <source>SentencesRead</source>
        <translatorcomment>Sentences read</translatorcomment>
        <translation>Beolvasott mondatok</translation>
    </message>
    <message>
        <source>ChecksumFailures</source>
        <translatorcomment>Checksum failures</translatorcomment>
        <translation>Ellenőrzőösszeg-hiba</translation>
    </message>
    <message>
        <source>LastSentence</source>
        <translatorcomment>Last sentence</translatorcomment>
        <translation>Utolsó mondat</translation>
    </message>
    <message>
        <source>SecondsAgo</source>
        <translatorcomment>%1 s ago</translatorcomment>
        <translation>%1 másodperce</translation>
    </message>
    <message>
        <source>LastUbxFrame</source>
        <translatorcomment>Last UBX frame</translatorcomment>
        <translation>Utolsó UBX-keret</translation>
    </message>
</context>
</TS>
