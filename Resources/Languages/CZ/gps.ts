<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>GpsMonitor</name>
    <message>
        <source>Position</source>
        <translatorcomment>Position</translatorcomment>
        <translation>Poloha</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translatorcomment>Satellites</translatorcomment>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translatorcomment>Receiver</translatorcomment>
        <translation>Přijímač</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Předchozí strana</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Další strana</translation>
    </message>
    <message>
        <source>Fix</source>
        <translatorcomment>Fix</translatorcomment>
        <translation>Poloha určena</translation>
    </message>
    <message>
        <source>NoFix</source>
        <translatorcomment>No fix</translatorcomment>
        <translation>Poloha neurčena</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translatorcomment>Latitude</translatorcomment>
        <translation>Zeměpisná šířka</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translatorcomment>Longitude</translatorcomment>
        <translation>Zeměpisná délka</translation>
    </message>
    <message>
        <source>Height</source>
        <translatorcomment>Height</translatorcomment>
        <translation>Výška</translation>
    </message>
    <message>
        <source>SatellitesInUse</source>
        <translatorcomment>Satellites in use</translatorcomment>
        <translation>Použité satelity</translation>
    </message>
    <message>
        <source>InView</source>
        <translatorcomment>In view</translatorcomment>
        <translation>Viditelné</translation>
    </message>
    <message>
        <source>InUse</source>
        <translatorcomment>In use</translatorcomment>
        <translation>Použité</translation>
    </message>
    <message>
        <source>MoreSatellites</source>
        <translatorcomment>%1 more</translatorcomment>
        <translation>další: %1</translation>
    </message>
    <message>
        <source>LastFixUtc</source>
        <translatorcomment>Last fix</translatorcomment>
        <translation>Poslední určení</translation>
    </message>
    <message>
        <source>LocalClock</source>
        <translatorcomment>Clock</translatorcomment>
        <translation>Hodiny</translation>
    </message>
    <message>
        <source>ClockFromGps</source>
        <translatorcomment>Clock from GPS</translatorcomment>
        <translation>Hodiny z GPS</translation>
    </message>
    <message>
        <source>LastSetFromGps</source>
        <translatorcomment>Last set</translatorcomment>
        <translation>Naposledy nastaveno</translation>
    </message>
    <message>
        <source>On</source>
        <translatorcomment>On</translatorcomment>
        <translation>Zap</translation>
    </message>
    <message>
        <source>Off</source>
        <translatorcomment>Off</translatorcomment>
        <translation>Vyp</translation>
    </message>
    <message>
        <source>Power</source>
        <translatorcomment>Power</translatorcomment>
        <translation>Napájení</translation>
    </message>
    <message>
        <source>Port</source>
        <translatorcomment>Port</translatorcomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>PortOpen</source>
        <translatorcomment>open</translatorcomment>
        <translation>otevřen</translation>
    </message>
    <message>
        <source>PortNotOpen</source>
        <translatorcomment>not open</translatorcomment>
        <translation>neotevřen</translation>
    </message>
    <message>
        <source>SentencesRead</source>
        <translatorcomment>Sentences read</translatorcomment>
        <translation>Přečtené věty</translation>
    </message>
    <message>
        <source>ChecksumFailures</source>
        <translatorcomment>Checksum failures</translatorcomment>
        <translation>Chyby kontr. součtu</translation>
    </message>
    <message>
        <source>LastSentence</source>
        <translatorcomment>Last sentence</translatorcomment>
        <translation>Poslední věta</translation>
    </message>
    <message>
        <source>SecondsAgo</source>
        <translatorcomment>%1 s ago</translatorcomment>
        <translation>před %1 s</translation>
    </message>
    <message>
        <source>LastUbxFrame</source>
        <translatorcomment>Last UBX frame</translatorcomment>
        <translation>Poslední rámec UBX</translation>
    </message>
</context>
</TS>
