<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>GpsMonitor</name>
    <message>
        <source>Position</source>
        <translatorcomment>Position</translatorcomment>
        <translation>Položaj</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translatorcomment>Satellites</translatorcomment>
        <translation>Sateliti</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translatorcomment>Receiver</translatorcomment>
        <translation>Sprejemnik</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Prejšnja stran</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Naslednja stran</translation>
    </message>
    <message>
        <source>Fix</source>
        <translatorcomment>Fix</translatorcomment>
        <translation>Položaj določen</translation>
    </message>
    <message>
        <source>NoFix</source>
        <translatorcomment>No fix</translatorcomment>
        <translation>Ni položaja</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translatorcomment>Latitude</translatorcomment>
        <translation>Zemljepisna širina</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translatorcomment>Longitude</translatorcomment>
        <translation>Zemljepisna dolžina</translation>
    </message>
    <message>
        <source>Height</source>
        <translatorcomment>Height</translatorcomment>
        <translation>Višina</translation>
    </message>
    <message>
        <source>SatellitesInUse</source>
        <translatorcomment>Satellites in use</translatorcomment>
        <translation>Uporabljeni sateliti</translation>
    </message>
    <message>
        <source>InView</source>
        <translatorcomment>In view</translatorcomment>
        <translation>Vidni</translation>
    </message>
    <message>
        <source>InUse</source>
        <translatorcomment>In use</translatorcomment>
        <translation>Uporabljeni</translation>
    </message>
    <message>
        <source>MoreSatellites</source>
        <translatorcomment>%1 more</translatorcomment>
        <translation>še %1</translation>
    </message>
    <message>
        <source>LastFixUtc</source>
        <translatorcomment>Last fix</translatorcomment>
        <translation>Zadnji položaj</translation>
    </message>
    <message>
        <source>LocalClock</source>
        <translatorcomment>Clock</translatorcomment>
        <translation>Ura</translation>
    </message>
    <message>
        <source>ClockFromGps</source>
        <translatorcomment>Clock from GPS</translatorcomment>
        <translation>Ura iz GPS</translation>
    </message>
    <message>
        <source>LastSetFromGps</source>
        <translatorcomment>Last set</translatorcomment>
        <translation>Zadnja nastavitev</translation>
    </message>
    <message>
        <source>On</source>
        <translatorcomment>On</translatorcomment>
        <translation>Vklopljeno</translation>
    </message>
    <message>
        <source>Off</source>
        <translatorcomment>Off</translatorcomment>
        <translation>Izklopljeno</translation>
    </message>
    <message>
        <source>Power</source>
        <translatorcomment>Power</translatorcomment>
        <translation>Napajanje</translation>
    </message>
    <message>
        <source>Port</source>
        <translatorcomment>Port</translatorcomment>
        <translation>Vrata</translation>
    </message>
    <message>
        <source>PortOpen</source>
        <translatorcomment>open</translatorcomment>
        <translation>odprta</translation>
    </message>
    <message>
        <source>PortNotOpen</source>
        <translatorcomment>not open</translatorcomment>
        <translation>niso odprta</translation>
    </message>
    <message>
        <source>SentencesRead</source>
        <translatorcomment>Sentences read</translatorcomment>
        <translation>Prebrani stavki</translation>
    </message>
    <message>
        <source>ChecksumFailures</source>
        <translatorcomment>Checksum failures</translatorcomment>
        <translation>Napake kontr. vsote</translation>
    </message>
    <message>
        <source>LastSentence</source>
        <translatorcomment>Last sentence</translatorcomment>
        <translation>Zadnji stavek</translation>
    </message>
    <message>
        <source>SecondsAgo</source>
        <translatorcomment>%1 s ago</translatorcomment>
        <translation>pred %1 s</translation>
    </message>
    <message>
        <source>LastUbxFrame</source>
        <translatorcomment>Last UBX frame</translatorcomment>
        <translation>Zadnji okvir UBX</translation>
    </message>
</context>
</TS>
