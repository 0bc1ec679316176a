<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>SearchBluetoothDevices</source>
        <translatorcomment>Search Bluetooth devices</translatorcomment>
        <translation>Поиск устройств Bluetooth</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>FoundBluetoothDevices</source>
        <translatorcomment>Found Bluetooth devices</translatorcomment>
        <translation>Найденные устройства Bluetooth</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translatorcomment>Enable pairing mode
and press Search-Button.</translatorcomment>
        <translation>Включите режим сопряжения
и нажмите кнопку поиска.</translation>
    </message>
    <message>
        <source>Searching</source>
        <translatorcomment>Searching</translatorcomment>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>ReadingName</source>
        <translatorcomment>Reading names</translatorcomment>
        <translation>Чтение имён</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translatorcomment>Select device for pairing.</translatorcomment>
        <translation>Выберите устройство для сопряжения.</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translatorcomment>No devices found.</translatorcomment>
        <translation>Устройства не найдены.</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translatorcomment>Pairing device</translatorcomment>
        <translation>Сопряжение устройства</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translatorcomment>Pairing not successful. Please try again.</translatorcomment>
        <translation>Сопряжение не удалось. Повторите попытку.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>LevelMeasurement</source>
        <translatorcomment>Level measurement</translatorcomment>
        <translation>Измерение уровня</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translatorcomment>Histogram</translatorcomment>
        <translation>Гистограмма</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translatorcomment>Long-term measurement</translatorcomment>
        <translation>Длительное измерение</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translatorcomment>H2 sensor</translatorcomment>
        <translation>Датчик H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translatorcomment>Pipe locating</translatorcomment>
        <translation>Поиск трассы</translation>
    </message>
    <message>
        <source>Startup</source>
        <translatorcomment>Start-up</translatorcomment>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>ShowFft</source>
        <translatorcomment>Show spectrum</translatorcomment>
        <translation>Показывать спектр</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translatorcomment>Show frequency</translatorcomment>
        <translation>Показывать частоту</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translatorcomment>Show peak level bar</translatorcomment>
        <translation>Показывать пиковый уровень</translation>
    </message>
    <message>
        <source>UseFrequencyColorForLevelbar</source>
        <translatorcomment>Level bar in frequency colour</translatorcomment>
        <translation>Цвет шкалы уровня по частоте</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translatorcomment>Show filter</translatorcomment>
        <translation>Показывать фильтр</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translatorcomment>Dynamic scaling</translatorcomment>
        <translation>Динамическое масштабирование</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translatorcomment>Show grid</translatorcomment>
        <translation>Показывать сетку</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translatorcomment>Show histogram</translatorcomment>
        <translation>Показывать гистограмму</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translatorcomment>Show working range</translatorcomment>
        <translation>Показывать рабочий диапазон</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translatorcomment>Start with favourite</translatorcomment>
        <translation>Запуск с избранного</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translatorcomment>Start with filter</translatorcomment>
        <translation>Запуск с фильтром</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translatorcomment>GPS on at start</translatorcomment>
        <translation>GPS вкл. при запуске</translation>
    </message>
    <message>
        <source>UseTouchForStartup</source>
        <translatorcomment>Touch screen on at start</translatorcomment>
        <translation>Сенсор. экран вкл. при запуске</translation>
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
        <translation>Время</translation>
    </message>
    <message>
        <source>DateTimeSource</source>
        <translatorcomment>Date and time from</translatorcomment>
        <translation>Источник даты и времени</translation>
    </message>
    <message>
        <source>Gps</source>
        <translatorcomment>GPS</translatorcomment>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translatorcomment>Manual</translatorcomment>
        <translation>Вручную</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Яркость</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Защита слуха</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Включена</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Выключена</translation>
    </message>
    <message>
        <source>HeadphoneVolumeOffset</source>
        <translatorcomment>Headphone volume offset</translatorcomment>
        <translation>Поправка громкости наушников</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Следующая страница</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>PowerOffTime</source>
        <translatorcomment>Switch off after</translatorcomment>
        <translation>Выключение через</translation>
    </message>
    <message>
        <source>DisplayOffTime</source>
        <translatorcomment>Display off after</translatorcomment>
        <translation>Отключение дисплея через</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset to delivery state</translatorcomment>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translatorcomment>Do you really want to reset all settings?</translatorcomment>
        <translation>Вы действительно хотите сбросить все настройки?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Кнопка избранного</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Отключение звука</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>С фиксацией</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Без фиксации</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Летнее/зимнее время</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Зимнее время</translation>
    </message>
</context>
<context>
    <name>SettingsAdjustDialog</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Ok</source>
        <translatorcomment>OK</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Следующая страница</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Mainmenu</translatorcomment>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Отключение звука</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>С фиксацией</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Без фиксации</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Защита слуха</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Включена</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Выключена</translation>
    </message>
    <message>
        <source>Customize</source>
        <translatorcomment>Customize</translatorcomment>
        <translation>Персонализация</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translatorcomment>different values</translatorcomment>
        <translation>разные значения</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translatorcomment>Paired headphone</translatorcomment>
        <translation>Сопряжённые наушники</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translatorcomment>Paired microphone</translatorcomment>
        <translation>Сопряжённый микрофон</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>low</source>
        <translatorcomment>low</translatorcomment>
        <translation>низкая</translation>
    </message>
    <message>
        <source>medium</source>
        <translatorcomment>medium</translatorcomment>
        <translation>средняя</translation>
    </message>
    <message>
        <source>high</source>
        <translatorcomment>high</translatorcomment>
        <translation>высокая</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translatorcomment>Power saving</translatorcomment>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Кнопка избранного</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translatorcomment>System information</translatorcomment>
        <translation>Информация о системе</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translatorcomment>FW: %1</translatorcomment>
        <translation>Прошивка: %1</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset</translatorcomment>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Language</source>
        <translatorcomment>Language</translatorcomment>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translatorcomment>Date</translatorcomment>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Летнее/зимнее время</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Зимнее время</translation>
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
        <translation>Галифакс</translation>
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
        <translation>Южная Георгия</translation>
    </message>
    <message>
        <source>Azores</source>
        <translatorcomment>Azores</translatorcomment>
        <translation>Азорские острова</translation>
    </message>
    <message>
        <source>London</source>
        <translatorcomment>London</translatorcomment>
        <translation>Лондон</translation>
    </message>
    <message>
        <source>Athens</source>
        <translatorcomment>Athens</translatorcomment>
        <translation>Афины</translation>
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
        <translation>Карачи</translation>
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
        <translation>Пекин</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translatorcomment>Tokyo</translatorcomment>
        <translation>Токио</translation>
    </message>
    <message>
        <source>Adelaide</source>
        <translatorcomment>Adelaide</translatorcomment>
        <translation>Аделаида</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translatorcomment>Sydney</translatorcomment>
        <translation>Сидней</translation>
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
