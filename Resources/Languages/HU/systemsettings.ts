<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>SearchBluetoothDevices</source>
        <translatorcomment>Search Bluetooth devices</translatorcomment>
        <translation>Bluetooth-eszközök keresése</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>FoundBluetoothDevices</source>
        <translatorcomment>Found Bluetooth devices</translatorcomment>
        <translation>Talált Bluetooth-eszközök</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translatorcomment>Enable pairing mode
and press Search-Button.</translatorcomment>
        <translation>Kapcsolja be a párosítási módot,
és nyomja meg a Keresés gombot.</translation>
    </message>
    <message>
        <source>Searching</source>
        <translatorcomment>Searching</translatorcomment>
        <translation>Keresés folyamatban</translation>
    </message>
    <message>
        <source>ReadingName</source>
        <translatorcomment>Reading names</translatorcomment>
        <translation>Nevek beolvasása</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translatorcomment>Select device for pairing.</translatorcomment>
        <translation>Válassza ki a párosítandó eszközt.</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translatorcomment>No devices found.</translatorcomment>
        <translation>Nem található eszköz.</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translatorcomment>Pairing device</translatorcomment>
        <translation>Eszköz párosítása</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translatorcomment>Pairing not successful. Please try again.</translatorcomment>
        <translation>A párosítás nem sikerült. Kérjük, próbálja újra.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>LevelMeasurement</source>
        <translatorcomment>Level measurement</translatorcomment>
        <translation>Szintmérés</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translatorcomment>Histogram</translatorcomment>
        <translation>Hisztogram</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translatorcomment>Long-term measurement</translatorcomment>
        <translation>Hosszú távú mérés</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translatorcomment>H2 sensor</translatorcomment>
        <translation>H2-érzékelő</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translatorcomment>Pipe locating</translatorcomment>
        <translation>Csőkeresés</translation>
    </message>
    <message>
        <source>Startup</source>
        <translatorcomment>Start-up</translatorcomment>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>ShowFft</source>
        <translatorcomment>Show spectrum</translatorcomment>
        <translation>Spektrum megjelenítése</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translatorcomment>Show frequency</translatorcomment>
        <translation>Frekvencia megjelenítése</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translatorcomment>Show peak level bar</translatorcomment>
        <translation>Csúcsszintsáv megjelenítése</translation>
    </message>
    <message>
        <source>UseFrequencyColorForLevelbar</source>
        <translatorcomment>Level bar in frequency colour</translatorcomment>
        <translation>Szintsáv frekvenciaszínnel</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translatorcomment>Show filter</translatorcomment>
        <translation>Szűrő megjelenítése</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translatorcomment>Dynamic scaling</translatorcomment>
        <translation>Dinamikus skálázás</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translatorcomment>Show grid</translatorcomment>
        <translation>Rács megjelenítése</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translatorcomment>Show histogram</translatorcomment>
        <translation>Hisztogram megjelenítése</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translatorcomment>Show working range</translatorcomment>
        <translation>Munkatartomány megjelenítése</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translatorcomment>Start with favourite</translatorcomment>
        <translation>Indítás kedvenc funkcióval</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translatorcomment>Start with filter</translatorcomment>
        <translation>Indítás szűrővel</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translatorcomment>GPS on at start</translatorcomment>
        <translation>GPS bekapcsolva indításkor</translation>
    </message>
    <message>
        <source>UseTouchForStartup</source>
        <translatorcomment>Touch screen on at start</translatorcomment>
        <translation>Érintőképernyő bekapcs. indításkor</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Date</source>
        <translatorcomment>Date</translatorcomment>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Idő</translation>
    </message>
    <message>
        <source>DateTimeSource</source>
        <translatorcomment>Date and time from</translatorcomment>
        <translation>Dátum és idő forrása</translation>
    </message>
    <message>
        <source>Gps</source>
        <translatorcomment>GPS</translatorcomment>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translatorcomment>Manual</translatorcomment>
        <translation>Kézi</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Fényerő</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Hallásvédelem</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Aktív</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Inaktív</translation>
    </message>
    <message>
        <source>HeadphoneVolumeOffset</source>
        <translatorcomment>Headphone volume offset</translatorcomment>
        <translation>Fejhallgató-hangerő eltolása</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Előző oldal</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Következő oldal</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>PowerOffTime</source>
        <translatorcomment>Switch off after</translatorcomment>
        <translation>Kikapcsolási idő</translation>
    </message>
    <message>
        <source>DisplayOffTime</source>
        <translatorcomment>Display off after</translatorcomment>
        <translation>Kijelző kikapcsolási ideje</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset to delivery state</translatorcomment>
        <translation>Gyári beállítások</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translatorcomment>Do you really want to reset all settings?</translatorcomment>
        <translation>Valóban visszaállítja az összes beállítást?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Nem</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Kedvenc gomb</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Némítás</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>Kapcsoló</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Nyomógomb</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Időzóna</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Nyári/téli időszámítás</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Nyári időszámítás</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Téli időszámítás</translation>
    </message>
</context>
<context>
    <name>SettingsAdjustDialog</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Előző oldal</translation>
    </message>
    <message>
        <source>Ok</source>
        <translatorcomment>OK</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Következő oldal</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Előző oldal</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Mainmenu</translatorcomment>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Következő oldal</translation>
    </message>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Némítás</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>Kapcsoló</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Nyomógomb</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Hallásvédelem</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Aktív</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Inaktív</translation>
    </message>
    <message>
        <source>Customize</source>
        <translatorcomment>Customize</translatorcomment>
        <translation>Testreszabás</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translatorcomment>different values</translatorcomment>
        <translation>különböző értékek</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translatorcomment>Paired headphone</translatorcomment>
        <translation>Párosított fejhallgató</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translatorcomment>Paired microphone</translatorcomment>
        <translation>Párosított mikrofon</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Fényerő</translation>
    </message>
    <message>
        <source>low</source>
        <translatorcomment>low</translatorcomment>
        <translation>alacsony</translation>
    </message>
    <message>
        <source>medium</source>
        <translatorcomment>medium</translatorcomment>
        <translation>közepes</translation>
    </message>
    <message>
        <source>high</source>
        <translatorcomment>high</translatorcomment>
        <translation>magas</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translatorcomment>Power saving</translatorcomment>
        <translation>Energiatakarékosság</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Kedvenc gomb</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translatorcomment>System information</translatorcomment>
        <translation>Rendszerinformáció</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translatorcomment>FW: %1</translatorcomment>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset</translatorcomment>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Language</source>
        <translatorcomment>Language</translatorcomment>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Date</source>
        <translatorcomment>Date</translatorcomment>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Időzóna</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Nyári/téli időszámítás</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Nyári időszámítás</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Téli időszámítás</translation>
    </message>
    <message>
        <source>PagoPago</source>
        <translatorcomment>Pago Pago</translatorcomment>
        <translation>Pago Pago</translation>
    </message>
    <message>
        <source>Honolulu</source>
        <translatorcomment>Honolulu</translatorcomment>
        <translation>Honolulu</translation>
    </message>
    <message>
        <source>Anchorage</source>
        <translatorcomment>Anchorage</translatorcomment>
        <translation>Anchorage</translation>
    </message>
    <message>
        <source>LosAngeles</source>
        <translatorcomment>Los Angeles</translatorcomment>
        <translation>Los Angeles</translation>
    </message>
    <message>
        <source>Denver</source>
        <translatorcomment>Denver</translatorcomment>
        <translation>Denver</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translatorcomment>Chicago</translatorcomment>
        <translation>Chicago</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translatorcomment>New York</translatorcomment>
        <translation>New York</translation>
    </message>
    <message>
        <source>Halifax</source>
        <translatorcomment>Halifax</translatorcomment>
        <translation>Halifax</translation>
    </message>
    <message>
        <source>StJohns</source>
        <translatorcomment>St. John's</translatorcomment>
        <translation>St. John's</translation>
    </message>
    <message>
        <source>SaoPaulo</source>
        <translatorcomment>São Paulo</translatorcomment>
        <translation>São Paulo</translation>
    </message>
    <message>
        <source>SouthGeorgia</source>
        <translatorcomment>South Georgia</translatorcomment>
        <translation>Déli-Georgia</translation>
    </message>
    <message>
        <source>Azores</source>
        <translatorcomment>Azores</translatorcomment>
        <translation>Azori-szigetek</translation>
    </message>
    <message>
        <source>London</source>
        <translatorcomment>London</translatorcomment>
        <translation>London</translation>
    </message>
    <message>
        <source>Athens</source>
        <translatorcomment>Athens</translatorcomment>
        <translation>Athén</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translatorcomment>Moscow</translatorcomment>
        <translation>Moszkva</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translatorcomment>Tehran</translatorcomment>
        <translation>Teherán</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translatorcomment>Dubai</translatorcomment>
        <translation>Dubaj</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translatorcomment>Kabul</translatorcomment>
        <translation>Kabul</translation>
    </message>
    <message>
        <source>Karachi</source>
        <translatorcomment>Karachi</translatorcomment>
        <translation>Karacsi</translation>
    </message>
    <message>
        <source>Kolkata</source>
        <translatorcomment>Kolkata</translatorcomment>
        <translation>Kalkutta</translation>
    </message>
    <message>
        <source>Kathmandu</source>
        <translatorcomment>Kathmandu</translatorcomment>
        <translation>Katmandu</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translatorcomment>Dhaka</translatorcomment>
        <translation>Dakka</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translatorcomment>Bangkok</translatorcomment>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translatorcomment>Beijing</translatorcomment>
        <translation>Peking</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translatorcomment>Tokyo</translatorcomment>
        <translation>Tokió</translation>
    </message>
    <message>
        <source>Adelaide</source>
        <translatorcomment>Adelaide</translatorcomment>
        <translation>Adelaide</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translatorcomment>Sydney</translatorcomment>
        <translation>Sydney</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translatorcomment>Nouméa</translatorcomment>
        <translation>Nouméa</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translatorcomment>Auckland</translatorcomment>
        <translation>Auckland</translation>
    </message>
    <message>
        <source>Tongatapu</source>
        <translatorcomment>Nukuʻalofa</translatorcomment>
        <translation>Nukuʻalofa</translation>
    </message>
</context>
</TS>
