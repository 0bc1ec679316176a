<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>SearchBluetoothDevices</source>
        <translatorcomment>Search Bluetooth devices</translatorcomment>
        <translation>Пошук пристроїв Bluetooth</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>FoundBluetoothDevices</source>
        <translatorcomment>Found Bluetooth devices</translatorcomment>
        <translation>Знайдені пристрої Bluetooth</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translatorcomment>Enable pairing mode
and press Search-Button.</translatorcomment>
        <translation>Увімкніть режим спряження
і натисніть кнопку пошуку.</translation>
    </message>
    <message>
        <source>Searching</source>
        <translatorcomment>Searching</translatorcomment>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>ReadingName</source>
        <translatorcomment>Reading names</translatorcomment>
        <translation>Читання імен</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translatorcomment>Select device for pairing.</translatorcomment>
        <translation>Виберіть пристрій для спряження.</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translatorcomment>No devices found.</translatorcomment>
        <translation>Пристрої не знайдено.</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translatorcomment>Pairing device</translatorcomment>
        <translation>Спряження пристрою</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translatorcomment>Pairing not successful. Please try again.</translatorcomment>
        <translation>Спряження не вдалося. Повторіть спробу.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>LevelMeasurement</source>
        <translatorcomment>Level measurement</translatorcomment>
        <translation>Вимірювання рівня</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translatorcomment>Histogram</translatorcomment>
        <translation>Гістограма</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translatorcomment>Long-term measurement</translatorcomment>
        <translation>Тривале вимірювання</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translatorcomment>H2 sensor</translatorcomment>
        <translation>Датчик H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translatorcomment>Pipe locating</translatorcomment>
        <translation>Пошук траси</translation>
    </message>
    <message>
        <source>Startup</source>
        <translatorcomment>Start-up</translatorcomment>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>ShowFft</source>
        <translatorcomment>Show spectrum</translatorcomment>
        <translation>Показувати спектр</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translatorcomment>Show frequency</translatorcomment>
        <translation>Показувати частоту</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translatorcomment>Show peak level bar</translatorcomment>
        <translation>Показувати піковий рівень</translation>
    </message>
    <message>
        <source>UseFrequencyColorForLevelbar</source>
        <translatorcomment>Level bar in frequency colour</translatorcomment>
        <translation>Колір шкали рівня за частотою</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translatorcomment>Show filter</translatorcomment>
        <translation>Показувати фільтр</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translatorcomment>Dynamic scaling</translatorcomment>
        <translation>Динамічне масштабування</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translatorcomment>Show grid</translatorcomment>
        <translation>Показувати сітку</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translatorcomment>Show histogram</translatorcomment>
        <translation>Показувати гістограму</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translatorcomment>Show working range</translatorcomment>
        <translation>Показувати робочий діапазон</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translatorcomment>Start with favourite</translatorcomment>
        <translation>Запуск із вибраного</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translatorcomment>Start with filter</translatorcomment>
        <translation>Запуск із фільтром</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translatorcomment>GPS on at start</translatorcomment>
        <translation>GPS увімк. під час запуску</translation>
    </message>
    <message>
        <source>UseTouchForStartup</source>
        <translatorcomment>Touch screen on at start</translatorcomment>
        <translation>Сенсор. екран під час запуску</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Date</source>
        <translatorcomment>Date</translatorcomment>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Час</translation>
    </message>
    <message>
        <source>DateTimeSource</source>
        <translatorcomment>Date and time from</translatorcomment>
        <translation>Джерело дати й часу</translation>
    </message>
    <message>
        <source>Gps</source>
        <translatorcomment>GPS</translatorcomment>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translatorcomment>Manual</translatorcomment>
        <translation>Вручну</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Яскравість</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Захист слуху</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>HeadphoneVolumeOffset</source>
        <translatorcomment>Headphone volume offset</translatorcomment>
        <translation>Поправка гучності навушників</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Попередня сторінка</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Наступна сторінка</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>PowerOffTime</source>
        <translatorcomment>Switch off after</translatorcomment>
        <translation>Вимкнення через</translation>
    </message>
    <message>
        <source>DisplayOffTime</source>
        <translatorcomment>Display off after</translatorcomment>
        <translation>Вимкнення дисплея через</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset to delivery state</translatorcomment>
        <translation>Заводські налаштування</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translatorcomment>Do you really want to reset all settings?</translatorcomment>
        <translation>Ви дійсно бажаєте скинути всі параметри?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Ні</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Кнопка вибраного</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Вимкнення звуку</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>З фіксацією</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Без фіксації</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Часовий пояс</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Літній/зимовий час</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Літній час</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Зимовий час</translation>
    </message>
</context>
<context>
    <name>SettingsAdjustDialog</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Попередня сторінка</translation>
    </message>
    <message>
        <source>Ok</source>
        <translatorcomment>OK</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Наступна сторінка</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Попередня сторінка</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Mainmenu</translatorcomment>
        <translation>Головне меню</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Наступна сторінка</translation>
    </message>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Вимкнення звуку</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>З фіксацією</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Без фіксації</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Захист слуху</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Customize</source>
        <translatorcomment>Customize</translatorcomment>
        <translation>Персоналізація</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translatorcomment>different values</translatorcomment>
        <translation>різні значення</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translatorcomment>Paired headphone</translatorcomment>
        <translation>Спряжені навушники</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translatorcomment>Paired microphone</translatorcomment>
        <translation>Спряжений мікрофон</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>low</source>
        <translatorcomment>low</translatorcomment>
        <translation>низька</translation>
    </message>
    <message>
        <source>medium</source>
        <translatorcomment>medium</translatorcomment>
        <translation>середня</translation>
    </message>
    <message>
        <source>high</source>
        <translatorcomment>high</translatorcomment>
        <translation>висока</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translatorcomment>Power saving</translatorcomment>
        <translation>Енергозбереження</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Кнопка вибраного</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translatorcomment>System information</translatorcomment>
        <translation>Інформація про систему</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translatorcomment>FW: %1</translatorcomment>
        <translation>Прошивка: %1</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset</translatorcomment>
        <translation>Скидання</translation>
    </message>
    <message>
        <source>Language</source>
        <translatorcomment>Language</translatorcomment>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Час</translation>
    </message>
    <message>
        <source>Date</source>
        <translatorcomment>Date</translatorcomment>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Часовий пояс</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Літній/зимовий час</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Літній час</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Зимовий час</translation>
    </message>
    <message>
        <source>PagoPago</source>
        <translatorcomment>Pago Pago</translatorcomment>
        <translation>Паго-Паго</translation>
    </message>
    <message>
        <source>Honolulu</source>
        <translatorcomment>Honolulu</translatorcomment>
        <translation>Гонолулу</translation>
    </message>
    <message>
        <source>Anchorage</source>
        <translatorcomment>Anchorage</translatorcomment>
        <translation>Анкоридж</translation>
    </message>
    <message>
        <source>LosAngeles</source>
        <translatorcomment>Los Angeles</translatorcomment>
        <translation>Лос-Анджелес</translation>
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
        <translation>Нью-Йорк</translation>
    </message>
    <message>
        <source>Halifax</source>
        <translatorcomment>Halifax</translatorcomment>
        <translation>Галіфакс</translation>
    </message>
    <message>
        <source>StJohns</source>
        <translatorcomment>St. John's</translatorcomment>
        <translation>Сент-Джонс</translation>
    </message>
    <message>
        <source>SaoPaulo</source>
        <translatorcomment>São Paulo</translatorcomment>
        <translation>Сан-Паулу</translation>
    </message>
    <message>
        <source>SouthGeorgia</source>
        <translatorcomment>South Georgia</translatorcomment>
        <translation>Південна Джорджія</translation>
    </message>
    <message>
        <source>Azores</source>
        <translatorcomment>Azores</translatorcomment>
        <translation>Азорські острови</translation>
    </message>
    <message>
        <source>London</source>
        <translatorcomment>London</translatorcomment>
        <translation>Лондон</translation>
    </message>
    <message>
        <source>Athens</source>
        <translatorcomment>Athens</translatorcomment>
        <translation>Афіни</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translatorcomment>Moscow</translatorcomment>
        <translation>Москва</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translatorcomment>Tehran</translatorcomment>
        <translation>Тегеран</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translatorcomment>Dubai</translatorcomment>
        <translation>Дубай</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translatorcomment>Kabul</translatorcomment>
        <translation>Кабул</translation>
    </message>
    <message>
        <source>Karachi</source>
        <translatorcomment>Karachi</translatorcomment>
        <translation>Карачі</translation>
    </message>
    <message>
        <source>Kolkata</source>
        <translatorcomment>Kolkata</translatorcomment>
        <translation>Калькутта</translation>
    </message>
    <message>
        <source>Kathmandu</source>
        <translatorcomment>Kathmandu</translatorcomment>
        <translation>Катманду</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translatorcomment>Dhaka</translatorcomment>
        <translation>Дакка</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translatorcomment>Bangkok</translatorcomment>
        <translation>Бангкок</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translatorcomment>Beijing</translatorcomment>
        <translation>Пекін</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translatorcomment>Tokyo</translatorcomment>
        <translation>Токіо</translation>
    </message>
    <message>
        <source>Adelaide</source>
        <translatorcomment>Adelaide</translatorcomment>
        <translation>Аделаїда</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translatorcomment>Sydney</translatorcomment>
        <translation>Сідней</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translatorcomment>Nouméa</translatorcomment>
        <translation>Нумеа</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translatorcomment>Auckland</translatorcomment>
        <translation>Окленд</translation>
    </message>
    <message>
        <source>Tongatapu</source>
        <translatorcomment>Nukuʻalofa</translatorcomment>
        <translation>Нукуалофа</translation>
    </message>
</context>
</TS>
