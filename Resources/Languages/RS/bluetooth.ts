<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Cyrl_RS">
<context>
    <name>BluetoothIDC777</name>
    <message>
        <source>Error</source>
        <translatorcomment>Error</translatorcomment>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>InvalidBluetoothAddressPleaseRestartPairing</source>
        <translatorcomment>Invalid bluetooth address
Please restart pairing.</translatorcomment>
        <translation>Неважећа Bluetooth адреса
Поново покрените упаривање.</translation>
    </message>
</context>
<context>
    <name>BluetoothWT32</name>
    <message>
        <source>unknown</source>
        <translatorcomment>unknown</translatorcomment>
        <translation>непознато</translation>
    </message>
</context>
</TS>
