<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MeasManagement</name>
    <message>
        <source>NoMeasurementsStored</source>
        <translatorcomment>No measurements stored.</translatorcomment>
        <translation>Aucune mesure enregistrée.</translation>
    </message>
    <message>
        <source>Up</source>
        <translatorcomment>Up</translatorcomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translatorcomment>Down</translatorcomment>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Open</source>
        <translatorcomment>Open</translatorcomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translatorcomment>Edit</translatorcomment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>TheMeasurementNoLongerExists</source>
        <translatorcomment>The measurement no longer exists.</translatorcomment>
        <translation>La mesure n'existe plus.</translation>
    </message>
    <message>
        <source>TheMeasurementCannotBeOpened</source>
        <translatorcomment>This measurement cannot be opened.</translatorcomment>
        <translation>Cette mesure ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>PleaseEnterAName</source>
        <translatorcomment>Please enter a name.</translatorcomment>
        <translation>Veuillez saisir un nom.</translation>
    </message>
    <message>
        <source>AMeasurementWithThisNameExists</source>
        <translatorcomment>A measurement with this name exists already.</translatorcomment>
        <translation>Une mesure portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeRenamed</source>
        <translatorcomment>The measurement could not be renamed.</translatorcomment>
        <translation>La mesure n'a pas pu être renommée.</translation>
    </message>
    <message>
        <source>TheNameInTheInfoFileCouldNotBeChanged</source>
        <translatorcomment>The measurement was renamed, but the name in its info file could not be changed.</translatorcomment>
        <translation>La mesure a été renommée, mais le nom dans son fichier d'informations n'a pas pu être modifié.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeDeleted</source>
        <translatorcomment>The measurement could not be deleted.</translatorcomment>
        <translation>La mesure n'a pas pu être supprimée.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translatorcomment>Edit measurement</translatorcomment>
        <translation>Modifier la mesure</translation>
    </message>
    <message>
        <source>Rename</source>
        <translatorcomment>Rename</translatorcomment>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>Delete</translatorcomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>DeleteThisMeasurement</source>
        <translatorcomment>Delete this measurement?</translatorcomment>
        <translation>Supprimer cette mesure ?</translation>
    </message>
</context>
</TS>
