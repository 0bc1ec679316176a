<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BluetoothIDC777</name>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>InvalidBluetoothAddressPleaseRestartPairing</source>
        <translatorcomment>Invalid bluetooth address
Please restart pairing.</translatorcomment>
        <translation>Nieprawidłowy adres Bluetooth
Proszę ponownie rozpocząć parowanie.</translation>
    </message>
</context>
<context>
    <name>BluetoothWT32</name>
    <message>
        <source>unknown</source>
        <translatorcomment>unknown</translatorcomment>
        <translation>nieznany</translation>
    </message>
</context>
</TS>
