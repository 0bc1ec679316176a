<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Régler le filtre</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Gain du microphone</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Volume du casque</translation>
    </message>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translatorcomment>Play recorded sound</translatorcomment>
        <translation>Lire l'enregistrement</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translatorcomment>Stop playing</translatorcomment>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translatorcomment>Headphone gain</translatorcomment>
        <translation>Gain du casque</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Remark</translatorcomment>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translatorcomment>You must connect an acoustical sensor
to use this measurement.</translatorcomment>
        <translation>Pour cette mesure, un capteur
acoustique doit être connecté.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translatorcomment>Warning</translatorcomment>
        <translation>Attention</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourTB9</source>
        <translatorcomment>No bluetooth connection.
Please check your TB-9.</translatorcomment>
        <translation>Pas de connexion Bluetooth.
Veuillez vérifier votre TB-9.</translation>
    </message>
</context>
</TS>
