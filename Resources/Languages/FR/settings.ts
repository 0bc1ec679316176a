<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translatorcomment>English</translatorcomment>
        <translation type="unfinished">English</translation>
    </message>
    <message>
        <source>German</source>
        <translatorcomment>German</translatorcomment>
        <translation type="unfinished">German</translation>
    </message>
    <message>
        <source>French</source>
        <translatorcomment>French</translatorcomment>
        <translation type="unfinished">French</translation>
    </message>
    <message>
        <source>Italian</source>
        <translatorcomment>Italian</translatorcomment>
        <translation type="unfinished">Italian</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translatorcomment>Spanish</translatorcomment>
        <translation type="unfinished">Spanish</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translatorcomment>Chinese</translatorcomment>
        <translation type="unfinished">Chinese</translation>
    </message>
    <message>
        <source>Czech</source>
        <translatorcomment>Czech</translatorcomment>
        <translation type="unfinished">Czech</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translatorcomment>Hungarian</translatorcomment>
        <translation type="unfinished">Hungarian</translation>
    </message>
    <message>
        <source>Russian</source>
        <translatorcomment>Russian</translatorcomment>
        <translation type="unfinished">Russian</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translatorcomment>Slovenian</translatorcomment>
        <translation type="unfinished">Slovenian</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translatorcomment>Japanese</translatorcomment>
        <translation type="unfinished">Japanese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translatorcomment>Polish</translatorcomment>
        <translation type="unfinished">Polish</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translatorcomment>Portuguese</translatorcomment>
        <translation type="unfinished">Portuguese</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translatorcomment>Romanian</translatorcomment>
        <translation type="unfinished">Romanian</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translatorcomment>Slovak</translatorcomment>
        <translation type="unfinished">Slovak</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translatorcomment>Swedish</translatorcomment>
        <translation type="unfinished">Swedish</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translatorcomment>Suomi</translatorcomment>
        <translation type="unfinished">Suomi</translation>
    </message>
    <message>
        <source>Danish</source>
        <translatorcomment>Danish</translatorcomment>
        <translation type="unfinished">Danish</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translatorcomment>Norwegian</translatorcomment>
        <translation type="unfinished">Norwegian</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translatorcomment>Bulgarian</translatorcomment>
        <translation type="unfinished">Bulgarian</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translatorcomment>Croatian</translatorcomment>
        <translation type="unfinished">Croatian</translation>
    </message>
    <message>
        <source>Korean</source>
        <translatorcomment>Korean</translatorcomment>
        <translation type="unfinished">Korean</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translatorcomment>Serbian</translatorcomment>
        <translation type="unfinished">Serbian</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translatorcomment>Turkish</translatorcomment>
        <translation type="unfinished">Turkish</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translatorcomment>Ukrainian</translatorcomment>
        <translation type="unfinished">Ukrainian</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>Berlin</source>
        <translatorcomment>Berlin</translatorcomment>
        <translation type="unfinished">Berlin</translation>
    </message>
    <message>
        <source>never</source>
        <translatorcomment>never</translatorcomment>
        <translation type="unfinished">never</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translatorcomment>Screenshot</translatorcomment>
        <translation type="unfinished">Screenshot</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translatorcomment>Histogram</translatorcomment>
        <translation type="unfinished">Histogram</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translatorcomment>Level measurement</translatorcomment>
        <translation type="unfinished">Level measurement</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translatorcomment>Long-term measurement</translatorcomment>
        <translation type="unfinished">Long-term measurement</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translatorcomment>H2 sensor</translatorcomment>
        <translation type="unfinished">H2 sensor</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translatorcomment>Pipe locating</translatorcomment>
        <translation type="unfinished">Pipe locating</translation>
    </message>
</context>
</TS>
