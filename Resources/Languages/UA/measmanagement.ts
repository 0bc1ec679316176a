<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>MeasManagement</name>
    <message>
        <source>NoMeasurementsStored</source>
        <translatorcomment>No measurements stored.</translatorcomment>
        <translation>Немає збережених вимірювань.</translation>
    </message>
    <message>
        <source>Up</source>
        <translatorcomment>Up</translatorcomment>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translatorcomment>Down</translatorcomment>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Open</source>
        <translatorcomment>Open</translatorcomment>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Edit</source>
        <translatorcomment>Edit</translatorcomment>
        <translation>Редагувати</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>TheMeasurementNoLongerExists</source>
        <translatorcomment>The measurement no longer exists.</translatorcomment>
        <translation>Вимірювання більше не існує.</translation>
    </message>
    <message>
        <source>TheMeasurementCannotBeOpened</source>
        <translatorcomment>This measurement cannot be opened.</translatorcomment>
        <translation>Це вимірювання неможливо відкрити.</translation>
    </message>
    <message>
        <source>PleaseEnterAName</source>
        <translatorcomment>Please enter a name.</translatorcomment>
        <translation>Введіть ім'я.</translation>
    </message>
    <message>
        <source>AMeasurementWithThisNameExists</source>
        <translatorcomment>A measurement with this name exists already.</translatorcomment>
        <translation>Вимірювання з таким ім'ям уже існує.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeRenamed</source>
        <translatorcomment>The measurement could not be renamed.</translatorcomment>
        <translation>Не вдалося перейменувати вимірювання.</translation>
    </message>
    <message>
        <source>TheNameInTheInfoFileCouldNotBeChanged</source>
        <translatorcomment>The measurement was renamed, but the name in its info file could not be changed.</translatorcomment>
        <translation>Вимірювання перейменовано, але не вдалося змінити ім'я в його інформаційному файлі.</translation>
    </message>
    <message>
        <source>TheMeasurementCouldNotBeDeleted</source>
        <translatorcomment>The measurement could not be deleted.</translatorcomment>
        <translation>Не вдалося видалити вимірювання.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translatorcomment>Edit measurement</translatorcomment>
        <translation>Редагувати вимірювання</translation>
    </message>
    <message>
        <source>Rename</source>
        <translatorcomment>Rename</translatorcomment>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>Delete</translatorcomment>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>DeleteThisMeasurement</source>
        <translatorcomment>Delete this measurement?</translatorcomment>
        <translation>Видалити це вимірювання?</translation>
    </message>
</context>
</TS>
