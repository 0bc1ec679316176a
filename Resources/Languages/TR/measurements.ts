<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>Measurements</name>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Hata</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translatorcomment>Number of measurements near limit.
Please delete old measurements.</translatorcomment>
        <translation>Ölçüm sayısı sınıra yakın.
Lütfen eski ölçümleri silin.</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translatorcomment>Maximum number of measurements reached.
Measurement will not be stored.
Please delete old measurements.</translatorcomment>
        <translation>Azami ölçüm sayısına ulaşıldı.
Ölçüm kaydedilmeyecek.
Lütfen eski ölçümleri silin.</translation>
    </message>
    <message>
        <source>MeasurementCouldNotBeStored</source>
        <translatorcomment>The measurement could not be stored.
Please check the data storage.</translatorcomment>
        <translation>Ölçüm kaydedilemedi.
Lütfen veri belleğini kontrol edin.</translation>
    </message>
    <message>
        <source>MeasurementStoredWithoutRecording</source>
        <translatorcomment>The measurement was stored without its recording.</translatorcomment>
        <translation>Ölçüm, ses kaydı olmadan kaydedildi.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translatorcomment>The recording cannot be played.</translatorcomment>
        <translation>Kayıt oynatılamıyor.</translation>
    </message>
</context>
</TS>
