<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translatorcomment>Store</translatorcomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translatorcomment>Autoscale</translatorcomment>
        <translation>Échelle automatique</translation>
    </message>
    <message>
        <source>DeleteLastLevel</source>
        <translatorcomment>Delete last level</translatorcomment>
        <translation>Supprimer le dernier niveau</translation>
    </message>
    <message>
        <source>AdditionalSettings</source>
        <translatorcomment>Additional settings</translatorcomment>
        <translation>Autres réglages</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Main menu</translatorcomment>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Gain du microphone</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translatorcomment>Adjust filter</translatorcomment>
        <translation>Régler le filtre</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translatorcomment>Headphone volume</translatorcomment>
        <translation>Volume du casque</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translatorcomment>Stop playing</translatorcomment>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>PlayAudioData</source>
        <translatorcomment>Play audio data</translatorcomment>
        <translation>Lire l'enregistrement</translation>
    </message>
    <message>
        <source>PlayNextPosition</source>
        <translatorcomment>Play next position</translatorcomment>
        <translation>Lire la position suivante</translation>
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
