<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>GpsMonitor</name>
    <message>
        <source>Position</source>
        <translatorcomment>Position</translatorcomment>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translatorcomment>Satellites</translatorcomment>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translatorcomment>Receiver</translatorcomment>
        <translation>Odbiornik</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Fix</source>
        <translatorcomment>Fix</translatorcomment>
        <translation>Pozycja ustalona</translation>
    </message>
    <message>
        <source>NoFix</source>
        <translatorcomment>No fix</translatorcomment>
        <translation>Brak pozycji</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translatorcomment>Latitude</translatorcomment>
        <translation>Szerokość geogr.</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translatorcomment>Longitude</translatorcomment>
        <translation>Długość geogr.</translation>
    </message>
    <message>
        <source>Height</source>
        <translatorcomment>Height</translatorcomment>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>SatellitesInUse</source>
        <translatorcomment>Satellites in use</translatorcomment>
        <translation>Używane satelity</translation>
    </message>
    <message>
        <source>InView</source>
        <translatorcomment>In view</translatorcomment>
        <translation>Widoczne</translation>
    </message>
    <message>
        <source>InUse</source>
        <translatorcomment>In use</translatorcomment>
        <translation>Używane</translation>
    </message>
    <message>
        <source>MoreSatellites</source>
        <translatorcomment>%1 more</translatorcomment>
        <translation>%1 więcej</translation>
    </message>
    <message>
        <source>LastFixUtc</source>
        <translatorcomment>Last fix</translatorcomment>
        <translation>Ostatnia pozycja</translation>
    </message>
    <message>
        <source>LocalClock</source>
        <translatorcomment>Clock</translatorcomment>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>ClockFromGps</source>
        <translatorcomment>Clock from GPS</translatorcomment>
        <translation>Zegar z GPS</translation>
    </message>
    <message>
        <source>LastSetFromGps</source>
        <translatorcomment>Last set</translatorcomment>
        <translation>Ostatnio ustawiony</translation>
    </message>
    <message>
        <source>On</source>
        <translatorcomment>On</translatorcomment>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translatorcomment>Off</translatorcomment>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Power</source>
        <translatorcomment>Power</translatorcomment>
        <translation>Zasilanie</translation>
    </message>
    <message>
        <source>Port</source>
        <translatorcomment>Port</translatorcomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>PortOpen</source>
        <translatorcomment>open</translatorcomment>
        <translation>otwarty</translation>
    </message>
    <message>
        <source>PortNotOpen</source>
        <translatorcomment>not open</translatorcomment>
        <translation>nieotwarty</translation>
    </message>
    <message>
        <source>SentencesRead</source>
        <translatorcomment>Sentences read</translatorcomment>
        <translation>Odczytane zdania</translation>
    </message>
    <message>
        <source>ChecksumFailures</source>
        <translatorcomment>Checksum failures</translatorcomment>
        <translation>Błędy sumy kontr.</translation>
    </message>
    <message>
        <source>LastSentence</source>
        <translatorcomment>Last sentence</translatorcomment>
        <translation>Ostatnie zdanie</translation>
    </message>
    <message>
        <source>SecondsAgo</source>
        <translatorcomment>%1 s ago</translatorcomment>
        <translation>%1 s temu</translation>
    </message>
    <message>
        <source>LastUbxFrame</source>
        <translatorcomment>Last UBX frame</translatorcomment>
        <translation>Ostatnia ramka UBX</translation>
    </message>
</context>
</TS>
