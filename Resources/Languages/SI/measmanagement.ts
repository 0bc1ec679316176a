<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>MeasManagement</name>
    <message>
        <source>NoMeasurementsStored</source>
        <translatorcomment>No measurements stored.</translatorcomment>
        <translation>Ni shranjenih meritev.</translation>
    </message>
    <message>
        <source>Up</source>
        <translatorcomment>Up</translatorcomment>
        <translation>Gor</translation>
    </message>
    <message>
        <source>Down</source>
        <translatorcomment>Down</translatorcomment>
        <translation>Dol</translation>
    </message>
    <message>
        <source>Open</source>
        <translatorcomment>Open</translatorcomment>
        <translation>Odpri</translation>
    </message>
    <message>
        <source>Edit</source>
        <translatorcomment>Edit</translatorcomment>
        <translation>Uredi</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>TheMeasurementNoLongerExists</source>
        <translatorcomment>The measurement no longer exists.</translatorcomment>
        <translation>Meritev ne obstaja več.</translation>
    </message>
    <message>
        <source>TheMeasurementCannotBeOpened</source>
        <translatorcomment>This measurement cannot be opened.</translatorcomment>
        <translation>Te meritve ni mogoče odpreti.</translation>
    </message>
    <message>
        <source>PleaseEnterAName</source>
        <translatorcomment>Please enter a name.</translatorcomment>
        <translation>Vnesite ime.</translation>
    </message>
    <message>
        <source>AMeasurementWithThisNameExists</source>
        <translatorcomment>A measurement with this name exists already.</translatorcomment>
        <translation>Meritev s tem imenom že obstaja.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeRenamed</source>
        <translatorcomment>The measurement could not be renamed.</translatorcomment>
        <translation>Meritve ni bilo mogoče preimenovati.</translation>
    </message>
    <message>
        <source>TheNameInTheInfoFileCouldNotBeChanged</source>
        <translatorcomment>The measurement was renamed, but the name in its info file could not be changed.</translatorcomment>
        <translation>Meritev je bila preimenovana, vendar imena v njeni datoteki z informacijami ni bilo mogoče spremeniti.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeDeleted</source>
        <translatorcomment>The measurement could not be deleted.</translatorcomment>
        <translation>Meritve ni bilo mogoče izbrisati.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translatorcomment>Edit measurement</translatorcomment>
        <translation>Uredi meritev</translation>
    </message>
    <message>
        <source>Rename</source>
        <translatorcomment>Rename</translatorcomment>
        <translation>Preimenuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>Delete</translatorcomment>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>DeleteThisMeasurement</source>
        <translatorcomment>Delete this measurement?</translatorcomment>
        <translation>Ali želite izbrisati to meritev?</translation>
    </message>
</context>
</TS>
