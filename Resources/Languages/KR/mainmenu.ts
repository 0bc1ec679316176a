<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translatorcomment>Histogram</translatorcomment>
        <translation>히스토그램</translation>
    </message>
    <message>
        <source>Level</source>
        <translatorcomment>Level</translatorcomment>
        <translation>레벨 측정</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translatorcomment>Long-term</translatorcomment>
        <translation>장기 측정</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translatorcomment>H2 Sensor</translatorcomment>
        <translation>H2 센서</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translatorcomment>Pipe locating</translatorcomment>
        <translation>배관 탐지</translation>
    </message>
    <message>
        <source>Management</source>
        <translatorcomment>Management</translatorcomment>
        <translation>관리</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translatorcomment>Measurements</translatorcomment>
        <translation>측정 데이터</translation>
    </message>
    <message>
        <source>TB-9</source>
        <translatorcomment>TB-9</translatorcomment>
        <translation>TB-9</translation>
    </message>
    <message>
        <source>Update</source>
        <translatorcomment>Update</translatorcomment>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>GPS</source>
        <translatorcomment>GPS</translatorcomment>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translatorcomment>Settings</translatorcomment>
        <translation>설정</translation>
    </message>
</context>
</TS>
