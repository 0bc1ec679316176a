<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Filtersettings</name>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>AutomaticFilterSetting</source>
        <translation>Automatic filter setting</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>No filter</translation>
    </message>
</context>
</TS>
