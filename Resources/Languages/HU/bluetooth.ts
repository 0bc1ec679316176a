<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>BluetoothIDC777</name>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>InvalidBluetoothAddressPleaseRestartPairing</source>
        <translatorcomment>Invalid bluetooth address
Please restart pairing.</translatorcomment>
        <translation>Érvénytelen Bluetooth-cím
Kérjük, indítsa újra a párosítást.</translation>
    </message>
</context>
<context>
    <name>BluetoothWT32</name>
    <message>
        <source>unknown</source>
        <translatorcomment>unknown</translatorcomment>
        <translation>ismeretlen</translation>
    </message>
</context>
</TS>
