<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>SearchBluetoothDevices</source>
        <translatorcomment>Search Bluetooth devices</translatorcomment>
        <translation>Išči naprave Bluetooth</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>FoundBluetoothDevices</source>
        <translatorcomment>Found Bluetooth devices</translatorcomment>
        <translation>Najdene naprave Bluetooth</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translatorcomment>Enable pairing mode
and press Search-Button.</translatorcomment>
        <translation>Vklopite način seznanjanja
in pritisnite Išči.</translation>
    </message>
    <message>
        <source>Searching</source>
        <translatorcomment>Searching</translatorcomment>
        <translation>Iskanje poteka</translation>
    </message>
    <message>
        <source>ReadingName</source>
        <translatorcomment>Reading names</translatorcomment>
        <translation>Branje imen</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translatorcomment>Select device for pairing.</translatorcomment>
        <translation>Izberite napravo za seznanjanje.</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translatorcomment>No devices found.</translatorcomment>
        <translation>Ni najdenih naprav.</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translatorcomment>Pairing device</translatorcomment>
        <translation>Seznanjanje naprave</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translatorcomment>Pairing not successful. Please try again.</translatorcomment>
        <translation>Seznanjanje ni uspelo. Poskusite znova.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>LevelMeasurement</source>
        <translatorcomment>Level measurement</translatorcomment>
        <translation>Merjenje ravni</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translatorcomment>Histogram</translatorcomment>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translatorcomment>Long-term measurement</translatorcomment>
        <translation>Dolgotrajno merjenje</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translatorcomment>H2 sensor</translatorcomment>
        <translation>Senzor H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translatorcomment>Pipe locating</translatorcomment>
        <translation>Iskanje cevi</translation>
    </message>
    <message>
        <source>Startup</source>
        <translatorcomment>Start-up</translatorcomment>
        <translation>Zagon naprave</translation>
    </message>
    <message>
        <source>ShowFft</source>
        <translatorcomment>Show spectrum</translatorcomment>
        <translation>Prikaži spekter</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translatorcomment>Show frequency</translatorcomment>
        <translation>Prikaži frekvenco</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translatorcomment>Show peak level bar</translatorcomment>
        <translation>Prikaži stolpec konične ravni</translation>
    </message>
    <message>
        <source>UseFrequencyColorForLevelbar</source>
        <translatorcomment>Level bar in frequency colour</translatorcomment>
        <translation>Stolpec ravni v barvi frekvence</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translatorcomment>Show filter</translatorcomment>
        <translation>Prikaži filter</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translatorcomment>Dynamic scaling</translatorcomment>
        <translation>Dinamično merilo</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translatorcomment>Show grid</translatorcomment>
        <translation>Prikaži mrežo</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translatorcomment>Show histogram</translatorcomment>
        <translation>Prikaži histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translatorcomment>Show working range</translatorcomment>
        <translation>Prikaži delovno območje</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translatorcomment>Start with favourite</translatorcomment>
        <translation>Zagon s priljubljeno funkcijo</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translatorcomment>Start with filter</translatorcomment>
        <translation>Zagon s filtrom</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translatorcomment>GPS on at start</translatorcomment>
        <translation>GPS vklopljen ob zagonu</translation>
    </message>
    <message>
        <source>UseTouchForStartup</source>
        <translatorcomment>Touch screen on at start</translatorcomment>
        <translation>Zaslon na dotik vklopljen ob zagonu</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Date</source>
        <translatorcomment>Date</translatorcomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>DateTimeSource</source>
        <translatorcomment>Date and time from</translatorcomment>
        <translation>Datum in čas iz</translation>
    </message>
    <message>
        <source>Gps</source>
        <translatorcomment>GPS</translatorcomment>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translatorcomment>Manual</translatorcomment>
        <translation>Ročno</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Svetlost</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Zaščita sluha</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Vklopljena</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Izklopljena</translation>
    </message>
    <message>
        <source>HeadphoneVolumeOffset</source>
        <translatorcomment>Headphone volume offset</translatorcomment>
        <translation>Odmik glasnosti slušalk</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Prejšnja stran</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Naslednja stran</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>PowerOffTime</source>
        <translatorcomment>Switch off after</translatorcomment>
        <translation>Izklop po</translation>
    </message>
    <message>
        <source>DisplayOffTime</source>
        <translatorcomment>Display off after</translatorcomment>
        <translation>Izklop zaslona po</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset to delivery state</translatorcomment>
        <translation>Tovarniške nastavitve</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translatorcomment>Do you really want to reset all settings?</translatorcomment>
        <translation>Ali res želite ponastaviti vse nastavitve?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Ne</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Priljubljena tipka</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Utišanje</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>Stikalo</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Tipka</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Časovni pas</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Poletni/zimski čas</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Poletni čas</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Zimski čas</translation>
    </message>
</context>
<context>
    <name>SettingsAdjustDialog</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Prejšnja stran</translation>
    </message>
    <message>
        <source>Ok</source>
        <translatorcomment>OK</translatorcomment>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>Cancel</translatorcomment>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Naslednja stran</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Prejšnja stran</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translatorcomment>Mainmenu</translatorcomment>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Naslednja stran</translation>
    </message>
    <message>
        <source>ModeMuteButton</source>
        <translatorcomment>Muting</translatorcomment>
        <translation>Utišanje</translation>
    </message>
    <message>
        <source>Switch</source>
        <translatorcomment>Switch</translatorcomment>
        <translation>Stikalo</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translatorcomment>Pushbutton</translatorcomment>
        <translation>Tipka</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translatorcomment>Hearing protection</translatorcomment>
        <translation>Zaščita sluha</translation>
    </message>
    <message>
        <source>Active</source>
        <translatorcomment>Active</translatorcomment>
        <translation>Vklopljena</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translatorcomment>Inactive</translatorcomment>
        <translation>Izklopljena</translation>
    </message>
    <message>
        <source>Customize</source>
        <translatorcomment>Customize</translatorcomment>
        <translation>Prilagodi</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translatorcomment>different values</translatorcomment>
        <translation>različne vrednosti</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translatorcomment>Paired headphone</translatorcomment>
        <translation>Seznanjene slušalke</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translatorcomment>Paired microphone</translatorcomment>
        <translation>Seznanjen mikrofon</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translatorcomment>Brightness</translatorcomment>
        <translation>Svetlost</translation>
    </message>
    <message>
        <source>low</source>
        <translatorcomment>low</translatorcomment>
        <translation>nizka</translation>
    </message>
    <message>
        <source>medium</source>
        <translatorcomment>medium</translatorcomment>
        <translation>srednja</translation>
    </message>
    <message>
        <source>high</source>
        <translatorcomment>high</translatorcomment>
        <translation>visoka</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translatorcomment>Power saving</translatorcomment>
        <translation>Varčevanje z energijo</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translatorcomment>Favourite button</translatorcomment>
        <translation>Priljubljena tipka</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translatorcomment>System information</translatorcomment>
        <translation>Informacije o sistemu</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translatorcomment>FW: %1</translatorcomment>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translatorcomment>Reset</translatorcomment>
        <translation>Ponastavi</translation>
    </message>
    <message>
        <source>Language</source>
        <translatorcomment>Language</translatorcomment>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Time</source>
        <translatorcomment>Time</translatorcomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Date</source>
        <translatorcomment>Date</translatorcomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translatorcomment>Time zone</translatorcomment>
        <translation>Časovni pas</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translatorcomment>Daylight saving time</translatorcomment>
        <translation>Poletni/zimski čas</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translatorcomment>Summer time</translatorcomment>
        <translation>Poletni čas</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translatorcomment>Winter time</translatorcomment>
        <translation>Zimski čas</translation>
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
        <translation>Južna Georgia</translation>
    </message>
    <message>
        <source>Azores</source>
        <translatorcomment>Azores</translatorcomment>
        <translation>Azori</translation>
    </message>
    <message>
        <source>London</source>
        <translatorcomment>London</translatorcomment>
        <translation>London</translation>
    </message>
    <message>
        <source>Athens</source>
        <translatorcomment>Athens</translatorcomment>
        <translation>Atene</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translatorcomment>Moscow</translatorcomment>
        <translation>Moskva</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translatorcomment>Tehran</translatorcomment>
        <translation>Teheran</translation>
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
        <translation>Karači</translation>
    </message>
    <message>
        <source>Kolkata</source>
        <translatorcomment>Kolkata</translatorcomment>
        <translation>Kalkuta</translation>
    </message>
    <message>
        <source>Kathmandu</source>
        <translatorcomment>Kathmandu</translatorcomment>
        <translation>Katmandu</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translatorcomment>Dhaka</translatorcomment>
        <translation>Daka</translation>
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
        <translation>Tokio</translation>
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
