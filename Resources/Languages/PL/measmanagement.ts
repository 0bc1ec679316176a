<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MeasManagement</name>
    <message>
        <source>NoMeasurementsStored</source>
        <translatorcomment>No measurements stored.</translatorcomment>
        <translation>Brak zapisanych pomiarów.</translation>
    </message>
    <message>
        <source>Up</source>
        <translatorcomment>Up</translatorcomment>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translatorcomment>Down</translatorcomment>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Open</source>
        <translatorcomment>Open</translatorcomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Edit</source>
        <translatorcomment>Edit</translatorcomment>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>TheMeasurementNoLongerExists</source>
        <translatorcomment>The measurement no longer exists.</translatorcomment>
        <translation>Pomiar już nie istnieje.</translation>
    </message>
    <message>
        <source>TheMeasurementCannotBeOpened</source>
        <translatorcomment>This measurement cannot be opened.</translatorcomment>
        <translation>Nie można otworzyć tego pomiaru.</translation>
    </message>
    <message>
        <source>PleaseEnterAName</source>
        <translatorcomment>Please enter a name.</translatorcomment>
        <translation>Proszę wprowadzić nazwę.</translation>
    </message>
    <message>
        <source>AMeasurementWithThisNameExists</source>
        <translatorcomment>A measurement with this name exists already.</translatorcomment>
        <translation>Pomiar o tej nazwie już istnieje.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeRenamed</source>
        <translatorcomment>The measurement could not be renamed.</translatorcomment>
        <translation>Nie udało się zmienić nazwy pomiaru.</translation>
    </message>
    <message>
        <source>TheNameInTheInfoFileCouldNotBeChanged</source>
        <translatorcomment>The measurement was renamed, but the name in its info file could not be changed.</translatorcomment>
        <translation>Nazwa pomiaru została zmieniona, ale nie udało się zmienić nazwy w jego pliku informacyjnym.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeDeleted</source>
        <translatorcomment>The measurement could not be deleted.</translatorcomment>
        <translation>Nie udało się usunąć pomiaru.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translatorcomment>Edit measurement</translatorcomment>
        <translation>Edytuj pomiar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translatorcomment>Rename</translatorcomment>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>Delete</translatorcomment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>DeleteThisMeasurement</source>
        <translatorcomment>Delete this measurement?</translatorcomment>
        <translation>Usunąć ten pomiar?</translation>
    </message>
</context>
</TS>
