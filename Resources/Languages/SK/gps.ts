<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
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
        <translation>Prijímač</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Predchádzajúca strana</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Späť</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Ďalšia strana</translation>
    </message>
    <message>
        <source>Fix</source>
        <translatorcomment>Fix</translatorcomment>
        <translation>Poloha určená</translation>
    </message>
    <message>
        <source>NoFix</source>
        <translatorcomment>No fix</translatorcomment>
        <translation>Poloha neurčená</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translatorcomment>Latitude</translatorcomment>
        <translation>Zemepisná šírka</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translatorcomment>Longitude</translatorcomment>
        <translation>Zemepisná dĺžka</translation>
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
        <translation>Viditeľné</translation>
    </message>
    <message>
        <source>InUse</source>
        <translatorcomment>In use</translatorcomment>
        <translation>Použité</translation>
    </message>
    <message>
        <source>MoreSatellites</source>
        <translatorcomment>%1 more</translatorcomment>
        <translation>ďalšie: %1</translation>
    </message>
    <message>
        <source>LastFixUtc</source>
        <translatorcomment>Last fix</translatorcomment>
        <translation>Posledné určenie</translation>
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
        <translation>Naposledy nastavené</translation>
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
        <translation>Napájanie</translation>
    </message>
    <message>
        <source>Port</source>
        <translatorcomment>Port</translatorcomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>PortOpen</source>
        <translatorcomment>open</translatorcomment>
        <translation>otvorený</translation>
    </message>
    <message>
        <source>PortNotOpen</source>
        <translatorcomment>not open</translatorcomment>
        <translation>neotvorený</translation>
    </message>
    <message>
        <source>SentencesRead</source>
        <translatorcomment>Sentences read</translatorcomment>
        <translation>Prečítané vety</translation>
    </message>
    <message>
        <source>ChecksumFailures</source>
        <translatorcomment>Checksum failures</translatorcomment>
        <translation>Chyby kontr. súčtu</translation>
    </message>
    <message>
        <source>LastSentence</source>
        <translatorcomment>Last sentence</translatorcomment>
        <translation>Posledná veta</translation>
    </message>
    <message>
        <source>SecondsAgo</source>
        <translatorcomment>%1 s ago</translatorcomment>
        <translation>pred %1 s</translation>
    </message>
    <message>
        <source>LastUbxFrame</source>
        <translatorcomment>Last UBX frame</translatorcomment>
        <translation>Posledný rámec UBX</translation>
    </message>
</context>
</TS>
