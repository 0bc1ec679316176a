<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Systemsettings</name>
    <message>
        <source>PreviousPage</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Mainmenu</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>ModeMuteButton</source>
        <translation>Muting</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Pushbutton</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Hearing protection</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Customize</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>different values</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Paired headphone</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Paired microphone</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>high</source>
        <translation>high</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Favourite button</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>System information</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Daylight saving time</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Winter time</translation>
    </message>
    <message>
        <source>PagoPago</source>
        <translation>Pago Pago</translation>
    </message>
    <message>
        <source>Honolulu</source>
        <translation>Honolulu</translation>
    </message>
    <message>
        <source>Anchorage</source>
        <translation>Anchorage</translation>
    </message>
    <message>
        <source>LosAngeles</source>
        <translation>Los Angeles</translation>
    </message>
    <message>
        <source>Denver</source>
        <translation>Denver</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Chicago</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>Halifax</source>
        <translation>Halifax</translation>
    </message>
    <message>
        <source>StJohns</source>
        <translation>St. John's</translation>
    </message>
    <message>
        <source>SaoPaulo</source>
        <translation>São Paulo</translation>
    </message>
    <message>
        <source>SouthGeorgia</source>
        <translation>South Georgia</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azores</translation>
    </message>
    <message>
        <source>London</source>
        <translation>London</translation>
    </message>
    <message>
        <source>Athens</source>
        <translation>Athens</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moscow</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>Tehran</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>Dubai</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kabul</translation>
    </message>
    <message>
        <source>Karachi</source>
        <translation>Karachi</translation>
    </message>
    <message>
        <source>Kolkata</source>
        <translation>Kolkata</translation>
    </message>
    <message>
        <source>Kathmandu</source>
        <translation>Kathmandu</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>Dhaka</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>Beijing</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translation>Tokyo</translation>
    </message>
    <message>
        <source>Adelaide</source>
        <translation>Adelaide</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sydney</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translation>Nouméa</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translation>Auckland</translation>
    </message>
    <message>
        <source>Tongatapu</source>
        <translation>Nukuʻalofa</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>PreviousPage</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Next page</translation>
    </message>
</context>
<context>
    <name>SettingsAdjustDialog</name>
    <message>
        <source>PreviousPage</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Next page</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Muting</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Pushbutton</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Favourite button</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>PowerOffTime</source>
        <translation>Switch off after</translation>
    </message>
    <message>
        <source>DisplayOffTime</source>
        <translation>Display off after</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Reset to delivery state</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Do you really want to reset all settings?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Hearing protection</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>HeadphoneVolumeOffset</source>
        <translation>Headphone volume offset</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>DateTimeSource</source>
        <translation>Date and time from</translation>
    </message>
    <message>
        <source>Gps</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>Timezone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Daylight saving time</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Winter time</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>LevelMeasurement</source>
        <translation>Level measurement</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Long-term measurement</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>H2 sensor</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Pipe locating</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>ShowFft</source>
        <translation>Show spectrum</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Show frequency</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Show peak level bar</translation>
    </message>
    <message>
        <source>UseFrequencyColorForLevelbar</source>
        <translation>Level bar in frequency colour</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Show filter</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Dynamic scaling</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Show grid</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Show histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Show working range</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Start with favourite</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Start with filter</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS on at start</translation>
    </message>
    <message>
        <source>UseTouchForStartup</source>
        <translation>Touch screen on at start</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>SearchBluetoothDevices</source>
        <translation>Search Bluetooth devices</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>FoundBluetoothDevices</source>
        <translation>Found Bluetooth devices</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Enable pairing mode
and press Search-Button.</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Searching</translation>
    </message>
    <message>
        <source>ReadingName</source>
        <translation>Reading names</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Select device for pairing.</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>No devices found.</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Pairing device</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Pairing not successful. Please try again.</translation>
    </message>
</context>
</TS>
