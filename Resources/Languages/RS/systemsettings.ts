<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_Cyrl_RS">
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>SearchBluetoothDevices</source>
        <translatorcomment>Search Bluetooth devices</translatorcomment>
        <translation>Тражи Bluetooth уређаје</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>FoundBluetoothDevices</source>
        <translatorcomment>Found Bluetooth devices</translatorcomment>
        <translation>Пронађени Bluetooth уређаји</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translatorcomment>Enable pairing mode
and press Search-Button.</translatorcomment>
        <translation>Укључите режим упаривања
и притисните тастер за претрагу.</translation>
    </message>
    <message>
        <source>Searching</source>
        <translatorcomment>Searching</translatorcomment>
        <translation>Претрага</translation>
    </message>
    <message>
        <source>ReadingName</source>
        <translatorcomment>Reading names</translatorcomment>
        <translation>Читање имена</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translatorcomment>Select device for pairing.</translatorcomment>
        <translation>Изаберите уређај за упаривање.</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translatorcomment>No devices found.</translatorcomment>
        <translation>Нису пронађени уређаји.</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translatorcomment>Pairing device</translatorcomment>
        <translation>Упаривање уређаја</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translatorcomment>Pairing not successful. Please try again.</translatorcomment>
        <translation>Упаривање није успело. Покушајте поново.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>LevelMeasurement</source>
        <translatorcomment>Level measurement</translatorcomment>
        <translation>Мерење нивоа</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translatorcomment>Histogram</translatorcomment>
        <translation>Хистограм</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translatorcomment>Long-term measurement</translatorcomment>
        <translation>Дуготрајно мерење</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translatorcomment>H2 sensor</translatorcomment>
        <translation>Сензор H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translatorcomment>Pipe locating</translatorcomment>
        <translation>Трасирање цеви</translation>
    </message>
    <message>
        <source>Startup</source>
        <translatorcomment>Start-up</translatorcomment>
        <translation>Покретање</translation>
    </message>
    <message>
        <source>ShowFft</source>
        <translatorcomment>Show spectrum</translatorcomment>
        <translation>Прикажи спектар</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translatorcomment>Show frequency</translatorcomment>
        <translation>Прикажи фреквенцију</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translatorcomment>Show peak level bar</translatorcomment>
        <translation>Прикажи вршни ниво</translation>
    </message>
    <message>
        <source>UseFrequencyColorForLevelbar</source>
        <translatorcomment>Level bar in frequency colour</translatorcomment>
        <translation>Боја нивоа према фреквенцији</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translatorcomment>Show filter</translatorcomment>
        <translation>Прикажи филтер</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translatorcomment>Dynamic scaling</translatorcomment>
        <translation>Динамичко скалирање</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translatorcomment>Show grid</translatorcomment>
        <translation>Прикажи мрежу</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translatorcomment>Show histogram</translatorcomment>
        <translation>Прикажи хистограм</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translatorcomment>Show working range</translatorcomment>
        <translation>Прикажи радни опсег</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translatorcomment>Start with favourite</translatorcomment>
        <translation>Покрени омиљену функцију</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translatorcomment>Start with filter</translatorcomment>
        <translation>Покрени са филтером</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translatorcomment>GPS on at start</translatorcomment>
        <translation>GPS укључен при покретању</translation>
    </message>
    <message>
        <source>UseTouchForStartup</source>
        <translatorcomment>Touch screen on at start</translatorcomment>
        <translation>Екран на додир при покретању</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Date</source>
        <translatorcomment>Date</translatorcomment>
        <translation>Датум</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Време</translation>
    </message>
    <message>
        <source>DateTimeSource</source>
        <translatorcomment>Date and time from</translatorcomment>
        <translation>Извор датума и времена</translation>
    </message>
    <message>
        <source>Gps</source>
        <translatorcomment>GPS</translatorcomment>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translatorcomment>Manual</translatorcomment>
        <translation>Ручно</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Осветљеност</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Заштита слуха</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Укључена</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Искључена</translation>
    </message>
    <message>
        <source>HeadphoneVolumeOffset</source>
        <translatorcomment>Headphone volume offset</translatorcomment>
        <translation>Корекција јачине звука слушалица</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Претходна страна</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Следећа страна</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>PowerOffTime</source>
        <translatorcomment>Switch off after</translatorcomment>
        <translation>Искључивање након</translation>
    </message>
    <message>
        <source>DisplayOffTime</source>
        <translatorcomment>Display off after</translatorcomment>
        <translation>Гашење екрана након</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset to delivery state</translatorcomment>
        <translation>Фабричка подешавања</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translatorcomment>Do you really want to reset all settings?</translatorcomment>
        <translation>Да ли заиста желите да вратите сва подешавања на почетне вредности?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Не</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Омиљени тастер</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Утишавање</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>Прекидач</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Тастер</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Временска зона</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Летње/зимско време</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Летње време</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Зимско време</translation>
    </message>
</context>
<context>
    <name>SettingsAdjustDialog</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Претходна страна</translation>
    </message>
    <message>
        <source>Ok</source>
        <translatorcomment>OK</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Следећа страна</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Претходна страна</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Mainmenu</translatorcomment>
        <translation>Главни мени</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Следећа страна</translation>
    </message>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Утишавање</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>Прекидач</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Тастер</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Заштита слуха</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Укључена</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Искључена</translation>
    </message>
    <message>
        <source>Customize</source>
        <translatorcomment>Customize</translatorcomment>
        <translation>Прилагођавање</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translatorcomment>different values</translatorcomment>
        <translation>различите вредности</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translatorcomment>Paired headphone</translatorcomment>
        <translation>Упарене слушалице</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translatorcomment>Paired microphone</translatorcomment>
        <translation>Упарени микрофон</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Осветљеност</translation>
    </message>
    <message>
        <source>low</source>
        <translatorcomment>low</translatorcomment>
        <translation>ниска</translation>
    </message>
    <message>
        <source>medium</source>
        <translatorcomment>medium</translatorcomment>
        <translation>средња</translation>
    </message>
    <message>
        <source>high</source>
        <translatorcomment>high</translatorcomment>
        <translation>висока</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translatorcomment>Power saving</translatorcomment>
        <translation>Уштеда енергије</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Омиљени тастер</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translatorcomment>System information</translatorcomment>
        <translation>Информације о систему</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translatorcomment>FW: %1</translatorcomment>
        <translation>Фирмвер: %1</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset</translatorcomment>
        <translation>Ресетовање</translation>
    </message>
    <message>
        <source>Language</source>
        <translatorcomment>Language</translatorcomment>
        <translation>Језик</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Време</translation>
    </message>
    <message>
        <source>Date</source>
        <translatorcomment>Date</translatorcomment>
        <translation>Датум</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Временска зона</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Летње/зимско време</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Летње време</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Зимско време</translation>
    </message>
    <message>
        <source>PagoPago</source>
        <translatorcomment>Pago Pago</translatorcomment>
        <translation>Паго Паго</translation>
    </message>
    <message>
        <source>Honolulu</source>
        <translatorcomment>Honolulu</translatorcomment>
        <translation>Хонолулу</translation>
    </message>
    <message>
        <source>Anchorage</source>
        <translatorcomment>Anchorage</translatorcomment>
        <translation>Енкориџ</translation>
    </message>
    <message>
        <source>LosAngeles</source>
        <translatorcomment>Los Angeles</translatorcomment>
        <translation>Лос Анђелес</translation>
    </message>
    <message>
        <source>Denver</source>
        <translatorcomment>Denver</translatorcomment>
        <translation>Денвер</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translatorcomment>Chicago</translatorcomment>
        <translation>Чикаго</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translatorcomment>New York</translatorcomment>
        <translation>Њујорк</translation>
    </message>
    <message>
        <source>Halifax</source>
        <translatorcomment>Halifax</translatorcomment>
        <translation>Халифакс</translation>
    </message>
    <message>
        <source>StJohns</source>
        <translatorcomment>St. John's</translatorcomment>
        <translation>Сент Џонс</translation>
    </message>
    <message>
        <source>SaoPaulo</source>
        <translatorcomment>São Paulo</translatorcomment>
        <translation>Сао Пауло</translation>
    </message>
    <message>
        <source>SouthGeorgia</source>
        <translatorcomment>South Georgia</translatorcomment>
        <translation>Јужна Џорџија</translation>
    </message>
    <message>
        <source>Azores</source>
        <translatorcomment>Azores</translatorcomment>
        <translation>Азорска острва</translation>
    </message>
    <message>
        <source>London</source>
        <translatorcomment>London</translatorcomment>
        <translation>Лондон</translation>
    </message>
    <message>
        <source>Athens</source>
        <translatorcomment>Athens</translatorcomment>
        <translation>Атина</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translatorcomment>Moscow</translatorcomment>
        <translation>Москва</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translatorcomment>Tehran</translatorcomment>
        <translation>Техеран</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translatorcomment>Dubai</translatorcomment>
        <translation>Дубаи</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translatorcomment>Kabul</translatorcomment>
        <translation>Кабул</translation>
    </message>
    <message>
        <source>Karachi</source>
        <translatorcomment>Karachi</translatorcomment>
        <translation>Карачи</translation>
    </message>
    <message>
        <source>Kolkata</source>
        <translatorcomment>Kolkata</translatorcomment>
        <translation>Калкута</translation>
    </message>
    <message>
        <source>Kathmandu</source>
        <translatorcomment>Kathmandu</translatorcomment>
        <translation>Катманду</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translatorcomment>Dhaka</translatorcomment>
        <translation>Дака</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translatorcomment>Bangkok</translatorcomment>
        <translation>Бангкок</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translatorcomment>Beijing</translatorcomment>
        <translation>Пекинг</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translatorcomment>Tokyo</translatorcomment>
        <translation>Токио</translation>
    </message>
    <message>
        <source>Adelaide</source>
        <translatorcomment>Adelaide</translatorcomment>
        <translation>Аделејд</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translatorcomment>Sydney</translatorcomment>
        <translation>Сиднеј</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translatorcomment>Nouméa</translatorcomment>
        <translation>Нумеа</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translatorcomment>Auckland</translatorcomment>
        <translation>Окланд</translation>
    </message>
    <message>
        <source>Tongatapu</source>
        <translatorcomment>Nukuʻalofa</translatorcomment>
        <translation>Нукуалофа</translation>
    </message>
</context>
</TS>
