<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>BluetoothIDC777</name>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Napaka</translation>
    </message>
    <message>
        <source>InvalidBluetoothAddressPleaseRestartPairing</source>
        <translatorcomment>Invalid bluetooth address
Please restart pairing.</translatorcomment>
        <translation>Neveljaven naslov Bluetooth
Znova zaženite seznanjanje.</translation>
    </message>
</context>
<context>
    <name>BluetoothWT32</name>
    <message>
        <source>unknown</source>
        <translatorcomment>unknown</translatorcomment>
        <translation>neznano</translation>
    </message>
</context>
</TS>
