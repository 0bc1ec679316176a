<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>Otomatik ölçek</translation>
    </message>
    <message>
        <source>DeleteLastLevel</source>
        <translatorcomment>Delete last level</translatorcomment>
        <translation>Son seviyeyi sil</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>Ek ayarlar</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Ana menü</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Geri</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Mikrofon kazancı</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Filtreyi ayarla</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Kulaklık ses düzeyi</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translatorcomment>Stop playing</translatorcomment>
        <translation>Oynatmayı durdur</translation>
    </message>
    <message>
        <source>PlayAudioData</source>
        <translatorcomment>Play audio data</translatorcomment>
        <translation>Kaydı oynat</translation>
    </message>
    <message>
        <source>PlayNextPosition</source>
        <translatorcomment>Play next position</translatorcomment>
        <translation>Sonraki konumu oynat</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>Bu ölçüm için bir akustik
sensör bağlanmalıdır.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>Bluetooth bağlantısı yok.
Lütfen TB-9'u kontrol edin.</translation>
    </message>
</context>
</TS>
