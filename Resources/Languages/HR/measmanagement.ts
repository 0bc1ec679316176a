<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>MeasManagement</name>
    <message>
        <source>NoMeasurementsStored</source>
        <translatorcomment>No measurements stored.</translatorcomment>
        <translation>Nema spremljenih mjerenja.</translation>
    </message>
    <message>
        <source>Up</source>
        <translatorcomment>Up</translatorcomment>
        <translation>Gore</translation>
    </message>
    <message>
        <source>Down</source>
        <translatorcomment>Down</translatorcomment>
        <translation>Dolje</translation>
    </message>
    <message>
        <source>Open</source>
        <translatorcomment>Open</translatorcomment>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Edit</source>
        <translatorcomment>Edit</translatorcomment>
        <translation>Uredi</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>TheMeasurementNoLongerExists</source>
        <translatorcomment>The measurement no longer exists.</translatorcomment>
        <translation>Mjerenje više ne postoji.</translation>
    </message>
    <message>
        <source>TheMeasurementCannotBeOpened</source>
        <translatorcomment>This measurement cannot be opened.</translatorcomment>
        <translation>Ovo mjerenje nije moguće otvoriti.</translation>
    </message>
    <message>
        <source>PleaseEnterAName</source>
        <translatorcomment>Please enter a name.</translatorcomment>
        <translation>Unesite naziv.</translation>
    </message>
    <message>
        <source>AMeasurementWithThisNameExists</source>
        <translatorcomment>A measurement with this name exists already.</translatorcomment>
        <translation>Mjerenje s ovim nazivom već postoji.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeRenamed</source>
        <translatorcomment>The measurement could not be renamed.</translatorcomment>
        <translation>Mjerenje se nije moglo preimenovati.</translation>
    </message>
    <message>
        <source>TheNameInTheInfoFileCouldNotBeChanged</source>
        <translatorcomment>The measurement was renamed, but the name in its info file could not be changed.</translatorcomment>
        <translation>Mjerenje je preimenovano, ali naziv u njegovoj datoteci s informacijama nije se mogao promijeniti.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeDeleted</source>
        <translatorcomment>The measurement could not be deleted.</translatorcomment>
        <translation>Mjerenje se nije moglo izbrisati.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translatorcomment>Edit measurement</translatorcomment>
        <translation>Uredi mjerenje</translation>
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
        <translation>Natrag</translation>
    </message>
    <message>
        <source>DeleteThisMeasurement</source>
        <translatorcomment>Delete this measurement?</translatorcomment>
        <translation>Izbrisati ovo mjerenje?</translation>
    </message>
</context>
</TS>
