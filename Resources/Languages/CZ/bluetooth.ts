<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>BluetoothIDC777</name>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>InvalidBluetoothAddressPleaseRestartPairing</source>
        <translatorcomment>Invalid bluetooth address
Please restart pairing.</translatorcomment>
        <translation>Neplatná adresa Bluetooth
Spusťte prosím párování znovu.</translation>
    </message>
</context>
<context>
    <name>BluetoothWT32</name>
    <message>
        <source>unknown</source>
        <translatorcomment>unknown</translatorcomment>
        <translation>neznámé</translation>
    </message>
</context>
</TS>
