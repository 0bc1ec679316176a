<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BackupDialog</name>
    <message>
        <source>ConnectToThePC</source>
        <translatorcomment>Connect to the PC</translatorcomment>
        <translation>Mit dem PC verbinden</translation>
    </message>
    <message>
        <source>ConnectTheDataPartitionToThePC</source>
        <translatorcomment>Connect the data storage to the PC by USB?
While it is connected, the unit stores no measurements, screenshots or logs.</translatorcomment>
        <translation>Datenspeicher über USB mit dem PC verbinden?
Solange er verbunden ist, speichert das Gerät keine Messungen, Bildschirmfotos oder Protokolle.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsOnTheUnit</source>
        <translatorcomment>The data storage is on the unit. Connect the USB cable and press the USB button to connect it to the PC.</translatorcomment>
        <translation>Der Datenspeicher ist am Gerät. USB-Kabel anschließen und die USB-Taste drücken, um ihn mit dem PC zu verbinden.</translation>
    </message>
    <message>
        <source>ThePCHoldsTheDataPartitionEjectItThenPressBack</source>
        <translatorcomment>The PC holds the data storage now. Eject the drive on the PC, then press Back.</translatorcomment>
        <translation>Der Datenspeicher ist jetzt am PC. Laufwerk am PC auswerfen, dann Zurück drücken.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsInUseAndStaysOnTheUnit</source>
        <translatorcomment>The data storage is in use and stays on the unit. Try again later.</translatorcomment>
        <translation>Der Datenspeicher wird benutzt und bleibt am Gerät. Bitte später erneut versuchen.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeStarted</source>
        <translatorcomment>The USB connection could not be started. The data storage stays on the unit.</translatorcomment>
        <translation>Die USB-Verbindung konnte nicht hergestellt werden. Der Datenspeicher bleibt am Gerät.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeEnded</source>
        <translatorcomment>The USB connection could not be ended. Eject the drive on the PC and press Back again.</translatorcomment>
        <translation>Die USB-Verbindung konnte nicht beendet werden. Laufwerk am PC auswerfen und erneut Zurück drücken.</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>SensorType</source>
        <translatorcomment>Sensor</translatorcomment>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Mikrofonverstärkung</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery</translatorcomment>
        <translation>Akku</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translatorcomment>Firmware</translatorcomment>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translatorcomment>Hardware</translatorcomment>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translatorcomment>Mute key</translatorcomment>
        <translation>Stummtaste</translation>
    </message>
    <message>
        <source>MuteState</source>
        <translatorcomment>Mute state</translatorcomment>
        <translation>Stummschaltung</translation>
    </message>
    <message>
        <source>NoConnectionToTheTB9</source>
        <translatorcomment>No Bluetooth connection to the TB-9: its configuration cannot be read.</translatorcomment>
        <translation>Keine Bluetooth-Verbindung zum TB-9: seine Konfiguration kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>ReadingTheConfigurationOfTheTB9</source>
        <translatorcomment>Reading the configuration of the TB-9 ...</translatorcomment>
        <translation>Konfiguration des TB-9 wird gelesen ...</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerCompletely</source>
        <translatorcomment>The TB-9 did not answer completely: what came is shown.</translatorcomment>
        <translation>Der TB-9 hat nicht vollständig geantwortet: das Erhaltene wird angezeigt.</translation>
    </message>
    <message>
        <source>Muted</source>
        <translatorcomment>Muted</translatorcomment>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Listening</source>
        <translatorcomment>Listening</translatorcomment>
        <translation>Abhören</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>ChooseTheFileToInstall</source>
        <translatorcomment>Choose the update to install: tap it, or press OK.</translatorcomment>
        <translation>Update zum Installieren wählen: antippen oder OK drücken.</translation>
    </message>
    <message>
        <source>TheUpdateCannotBeStoredOnTheUnit</source>
        <translatorcomment>The update cannot be stored on the unit. Nothing was installed.</translatorcomment>
        <translation>Das Update kann nicht auf dem Gerät abgelegt werden. Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>TheFileIsNoLongerOnTheDataPartition</source>
        <translatorcomment>The file is no longer on the data storage.</translatorcomment>
        <translation>Die Datei ist nicht mehr auf dem Datenspeicher.</translation>
    </message>
    <message>
        <source>TheFileNameHoldsNoUsableVersion</source>
        <translatorcomment>The file name holds no usable version (up to 16 letters, digits and dots).</translatorcomment>
        <translation>Der Dateiname enthält keine verwendbare Version (bis zu 16 Buchstaben, Ziffern und Punkte).</translation>
    </message>
    <message>
        <source>TheFileIsEmpty</source>
        <translatorcomment>The file is empty.</translatorcomment>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>TheFileIsTooLargeForTheTB9</source>
        <translatorcomment>The file is too large for the TB-9 (at most 64000 bytes).</translatorcomment>
        <translation>Die Datei ist zu groß für den TB-9 (höchstens 64000 Byte).</translation>
    </message>
    <message>
        <source>TheFileCannotBeRead</source>
        <translatorcomment>The file cannot be read.</translatorcomment>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>TheUpdateFileWasNotCopiedCompletely</source>
        <translatorcomment>The update file could not be copied completely. Nothing was installed.</translatorcomment>
        <translation>Die Update-Datei konnte nicht vollständig kopiert werden. Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>TheUnitCannotBePreparedForTheUpdate</source>
        <translatorcomment>The unit cannot be prepared for the update. Nothing was installed.</translatorcomment>
        <translation>Das Gerät kann nicht für das Update vorbereitet werden. Es wurde nichts installiert.</translation>
    </message>
    <message>
        <source>TheTB9NowRunsVersion</source>
        <translatorcomment>The TB-9 now runs version %1.</translatorcomment>
        <translation>Der TB-9 hat jetzt die Version %1.</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerTheUpdateWasStopped</source>
        <translatorcomment>The TB-9 did not answer. The update was stopped.</translatorcomment>
        <translation>Der TB-9 hat nicht geantwortet. Das Update wurde abgebrochen.</translation>
    </message>
    <message>
        <source>TheTB9RefusedTheUpdate</source>
        <translatorcomment>The TB-9 refused the update. The update was stopped.</translatorcomment>
        <translation>Der TB-9 hat das Update abgelehnt. Das Update wurde abgebrochen.</translation>
    </message>
    <message>
        <source>TheTB9RestartedDuringTheTransfer</source>
        <translatorcomment>The TB-9 restarted during the transfer. The update was stopped.</translatorcomment>
        <translation>Der TB-9 ist während der Übertragung neu gestartet. Das Update wurde abgebrochen.</translation>
    </message>
    <message>
        <source>TheTB9DidNotRestartAfterTheTransfer</source>
        <translatorcomment>The TB-9 did not restart after the transfer. Check its version on the TB-9 page.</translatorcomment>
        <translation>Der TB-9 ist nach der Übertragung nicht neu gestartet. Bitte seine Version auf der TB-9-Seite prüfen.</translation>
    </message>
    <message>
        <source>TheTB9RestartedButDidNotReportItsVersion</source>
        <translatorcomment>The TB-9 restarted but did not report its version. Check it on the TB-9 page.</translatorcomment>
        <translation>Der TB-9 ist neu gestartet, hat aber seine Version nicht gemeldet. Bitte sie auf der TB-9-Seite prüfen.</translation>
    </message>
    <message>
        <source>TheTB9ReportsAnotherVersion</source>
        <translatorcomment>After the update the TB-9 reports version %1, not %2.</translatorcomment>
        <translation>Nach dem Update meldet der TB-9 die Version %1, nicht %2.</translation>
    </message>
    <message>
        <source>TheTB9UpdateWasCancelled</source>
        <translatorcomment>The update of the TB-9 was cancelled.</translatorcomment>
        <translation>Das Update des TB-9 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>UnitFromTo</source>
        <translatorcomment>Unit: %1 → %2</translatorcomment>
        <translation>Gerät: %1 → %2</translation>
    </message>
    <message>
        <source>TB9FromTo</source>
        <translatorcomment>TB-9: %1 → %2</translatorcomment>
        <translation>TB-9: %1 → %2</translation>
    </message>
    <message>
        <source>NoFirmwareFileOnTheDataPartition</source>
        <translatorcomment>No update file on the data storage (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translatorcomment>
        <translation>Keine Update-Datei auf dem Datenspeicher (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translation>
    </message>
    <message>
        <source>InstallVersionOnTheUnit</source>
        <translatorcomment>Install version %1 on the unit? The unit restarts to install it.</translatorcomment>
        <translation>Version %1 auf dem Gerät installieren? Das Gerät startet dazu neu.</translation>
    </message>
    <message>
        <source>InstallVersionOnTheTB9</source>
        <translatorcomment>Install version %1 on the TB-9? Keep the TB-9 switched on and near the unit.</translatorcomment>
        <translation>Version %1 auf dem TB-9 installieren? Den TB-9 eingeschaltet und in der Nähe des Geräts lassen.</translation>
    </message>
    <message>
        <source>CopyingTheUpdateFile</source>
        <translatorcomment>Copying the update file...</translatorcomment>
        <translation>Update-Datei wird kopiert...</translation>
    </message>
    <message>
        <source>TheUnitRestartsToInstallTheUpdate</source>
        <translatorcomment>The unit restarts to install the update.</translatorcomment>
        <translation>Das Gerät startet neu, um das Update zu installieren.</translation>
    </message>
    <message>
        <source>TheUnitCouldNotBeRestarted</source>
        <translatorcomment>The unit could not be restarted.</translatorcomment>
        <translation>Das Gerät konnte nicht neu gestartet werden.</translation>
    </message>
    <message>
        <source>SendingTheUpdateToTheTB9</source>
        <translatorcomment>Sending the update to the TB-9... Back stops it.</translatorcomment>
        <translation>Das Update wird an den TB-9 gesendet... Zurück bricht ab.</translation>
    </message>
    <message>
        <source>PleaseWaitUntilTheCopyHasFinished</source>
        <translatorcomment>Please wait until the copy has finished.</translatorcomment>
        <translation>Bitte warten, bis das Kopieren beendet ist.</translation>
    </message>
    <message>
        <source>TheTB9IsNotConnected</source>
        <translatorcomment>No Bluetooth connection to the TB-9: the update cannot be sent.</translatorcomment>
        <translation>Keine Bluetooth-Verbindung zum TB-9: das Update kann nicht gesendet werden.</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>ProgramVersion</source>
        <translatorcomment>Program</translatorcomment>
        <translation>Programm</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translatorcomment>Hardware</translatorcomment>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>BluetoothModules</source>
        <translatorcomment>Bluetooth modules</translatorcomment>
        <translation>Bluetooth-Module</translation>
    </message>
    <message>
        <source>HeadphoneModuleAddress</source>
        <translatorcomment>Headset module</translatorcomment>
        <translation>Headset-Modul</translation>
    </message>
    <message>
        <source>HeadphoneModuleFirmware</source>
        <translatorcomment>Headset firmware</translatorcomment>
        <translation>Headset-Firmware</translation>
    </message>
    <message>
        <source>MicrophoneModuleAddress</source>
        <translatorcomment>TB-9 module</translatorcomment>
        <translation>TB-9-Modul</translation>
    </message>
    <message>
        <source>MicrophoneModuleFirmware</source>
        <translatorcomment>TB-9 firmware</translatorcomment>
        <translation>TB-9-Firmware</translation>
    </message>
    <message>
        <source>SerialNumber</source>
        <translatorcomment>Serial number</translatorcomment>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>ProductionDate</source>
        <translatorcomment>Production date</translatorcomment>
        <translation>Herstelldatum</translation>
    </message>
    <message>
        <source>BatteryCharge</source>
        <translatorcomment>Battery charge</translatorcomment>
        <translation>Akkuladung</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery voltage</translatorcomment>
        <translation>Akkuspannung</translation>
    </message>
    <message>
        <source>BatteryCurrent</source>
        <translatorcomment>Battery current</translatorcomment>
        <translation>Akkustrom</translation>
    </message>
    <message>
        <source>BatteryTemperature</source>
        <translatorcomment>Battery temperature</translatorcomment>
        <translation>Akkutemperatur</translation>
    </message>
    <message>
        <source>Charging</source>
        <translatorcomment>Charging</translatorcomment>
        <translation>Laden</translation>
    </message>
    <message>
        <source>SystemMemory</source>
        <translatorcomment>System memory</translatorcomment>
        <translation>Systemspeicher</translation>
    </message>
    <message>
        <source>DataMemory</source>
        <translatorcomment>Data storage</translatorcomment>
        <translation>Datenspeicher</translation>
    </message>
    <message>
        <source>DeveloperFeatures</source>
        <translatorcomment>Developer features</translatorcomment>
        <translation>Entwicklerfunktionen</translation>
    </message>
    <message>
        <source>DeveloperFeaturesInfo</source>
        <translatorcomment>Shows the debug and test menus on the main page and logs the system state to the data storage.</translatorcomment>
        <translation>Zeigt die Debug- und Testmenüs auf der Hauptseite und protokolliert den Systemzustand im Datenspeicher.</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>SwitchingThemOnAsksForTheDeveloperCode</source>
        <translatorcomment>Switching them on asks for the developer code.</translatorcomment>
        <translation>Zum Einschalten wird der Entwicklercode abgefragt.</translation>
    </message>
    <message>
        <source>TheCodeIsWrongTheDeveloperFeaturesStayOff</source>
        <translatorcomment>The code is wrong. The developer features stay off.</translatorcomment>
        <translation>Der Code ist falsch. Die Entwicklerfunktionen bleiben ausgeschaltet.</translation>
    </message>
</context>
</TS>
