<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>BackupDialog</name>
    <message>
        <source>ConnectToThePC</source>
        <translatorcomment>Connect to the PC</translatorcomment>
        <translation>Spoji s računalom</translation>
    </message>
    <message>
        <source>ConnectTheDataPartitionToThePC</source>
        <translatorcomment>Connect the data storage to the PC by USB?
While it is connected, the unit stores no measurements, screenshots or logs.</translatorcomment>
        <translation>Spojiti memoriju podataka s računalom putem USB-a?
Dok je spojena, uređaj ne sprema mjerenja, snimke zaslona ni zapise.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsOnTheUnit</source>
        <translatorcomment>The data storage is on the unit. Connect the USB cable and press the USB button to connect it to the PC.</translatorcomment>
        <translation>Memorija podataka je na uređaju. Priključite USB kabel i pritisnite tipku USB kako biste je spojili s računalom.</translation>
    </message>
    <message>
        <source>ThePCHoldsTheDataPartitionEjectItThenPressBack</source>
        <translatorcomment>The PC holds the data storage now. Eject the drive on the PC, then press Back.</translatorcomment>
        <translation>Memorija podataka sada je na računalu. Izbacite pogon na računalu, a zatim pritisnite Natrag.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsInUseAndStaysOnTheUnit</source>
        <translatorcomment>The data storage is in use and stays on the unit. Try again later.</translatorcomment>
        <translation>Memorija podataka se koristi i ostaje na uređaju. Pokušajte ponovno kasnije.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeStarted</source>
        <translatorcomment>The USB connection could not be started. The data storage stays on the unit.</translatorcomment>
        <translation>USB veza nije se mogla uspostaviti. Memorija podataka ostaje na uređaju.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeEnded</source>
        <translatorcomment>The USB connection could not be ended. Eject the drive on the PC and press Back again.</translatorcomment>
        <translation>USB veza nije se mogla prekinuti. Izbacite pogon na računalu i ponovno pritisnite Natrag.</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>SensorType</source>
        <translatorcomment>Sensor</translatorcomment>
        <translation>Senzor</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery</translatorcomment>
        <translation>Baterija</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translatorcomment>Firmware</translatorcomment>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translatorcomment>Hardware</translatorcomment>
        <translation>Hardver</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translatorcomment>Mute key</translatorcomment>
        <translation>Tipka za utišavanje</translation>
    </message>
    <message>
        <source>MuteState</source>
        <translatorcomment>Mute state</translatorcomment>
        <translation>Utišavanje</translation>
    </message>
    <message>
        <source>NoConnectionToTheTB9</source>
        <translatorcomment>No Bluetooth connection to the TB-9: its configuration cannot be read.</translatorcomment>
        <translation>Nema Bluetooth veze s TB-9: njegova konfiguracija ne može se pročitati.</translation>
    </message>
    <message>
        <source>ReadingTheConfigurationOfTheTB9</source>
        <translatorcomment>Reading the configuration of the TB-9 ...</translatorcomment>
        <translation>Čitanje konfiguracije TB-9 ...</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerCompletely</source>
        <translatorcomment>The TB-9 did not answer completely: what came is shown.</translatorcomment>
        <translation>TB-9 nije odgovorio u potpunosti: prikazano je ono što je primljeno.</translation>
    </message>
    <message>
        <source>Muted</source>
        <translatorcomment>Muted</translatorcomment>
        <translation>Utišano</translation>
    </message>
    <message>
        <source>Listening</source>
        <translatorcomment>Listening</translatorcomment>
        <translation>Slušanje</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>ChooseTheFileToInstall</source>
        <translatorcomment>Choose the update to install: tap it, or press OK.</translatorcomment>
        <translation>Odaberite ažuriranje za instalaciju: dodirnite ga ili pritisnite OK.</translation>
    </message>
    <message>
        <source>TheUpdateCannotBeStoredOnTheUnit</source>
        <translatorcomment>The update cannot be stored on the unit. Nothing was installed.</translatorcomment>
        <translation>Ažuriranje se ne može spremiti na uređaj. Ništa nije instalirano.</translation>
    </message>
    <message>
        <source>TheFileIsNoLongerOnTheDataPartition</source>
        <translatorcomment>The file is no longer on the data storage.</translatorcomment>
        <translation>Datoteka više nije u memoriji podataka.</translation>
    </message>
    <message>
        <source>TheFileNameHoldsNoUsableVersion</source>
        <translatorcomment>The file name holds no usable version (up to 16 letters, digits and dots).</translatorcomment>
        <translation>Naziv datoteke ne sadrži upotrebljivu verziju (do 16 slova, znamenki i točaka).</translation>
    </message>
    <message>
        <source>TheFileIsEmpty</source>
        <translatorcomment>The file is empty.</translatorcomment>
        <translation>Datoteka je prazna.</translation>
    </message>
    <message>
        <source>TheFileIsTooLargeForTheTB9</source>
        <translatorcomment>The file is too large for the TB-9 (at most 64000 bytes).</translatorcomment>
        <translation>Datoteka je prevelika za TB-9 (najviše 64000 bajtova).</translation>
    </message>
    <message>
        <source>TheFileCannotBeRead</source>
        <translatorcomment>The file cannot be read.</translatorcomment>
        <translation>Datoteka se ne može pročitati.</translation>
    </message>
    <message>
        <source>TheUpdateFileWasNotCopiedCompletely</source>
        <translatorcomment>The update file could not be copied completely. Nothing was installed.</translatorcomment>
        <translation>Datoteka ažuriranja nije se mogla u potpunosti kopirati. Ništa nije instalirano.</translation>
    </message>
    <message>
        <source>TheUnitCannotBePreparedForTheUpdate</source>
        <translatorcomment>The unit cannot be prepared for the update. Nothing was installed.</translatorcomment>
        <translation>Uređaj se ne može pripremiti za ažuriranje. Ništa nije instalirano.</translation>
    </message>
    <message>
        <source>TheTB9NowRunsVersion</source>
        <translatorcomment>The TB-9 now runs version %1.</translatorcomment>
        <translation>TB-9 sada ima verziju %1.</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerTheUpdateWasStopped</source>
        <translatorcomment>The TB-9 did not answer. The update was stopped.</translatorcomment>
        <translation>TB-9 nije odgovorio. Ažuriranje je prekinuto.</translation>
    </message>
    <message>
        <source>TheTB9RefusedTheUpdate</source>
        <translatorcomment>The TB-9 refused the update. The update was stopped.</translatorcomment>
        <translation>TB-9 je odbio ažuriranje. Ažuriranje je prekinuto.</translation>
    </message>
    <message>
        <source>TheTB9RestartedDuringTheTransfer</source>
        <translatorcomment>The TB-9 restarted during the transfer. The update was stopped.</translatorcomment>
        <translation>TB-9 se ponovno pokrenuo tijekom prijenosa. Ažuriranje je prekinuto.</translation>
    </message>
    <message>
        <source>TheTB9DidNotRestartAfterTheTransfer</source>
        <translatorcomment>The TB-9 did not restart after the transfer. Check its version on the TB-9 page.</translatorcomment>
        <translation>TB-9 se nije ponovno pokrenuo nakon prijenosa. Provjerite njegovu verziju na stranici TB-9.</translation>
    </message>
    <message>
        <source>TheTB9RestartedButDidNotReportItsVersion</source>
        <translatorcomment>The TB-9 restarted but did not report its version. Check it on the TB-9 page.</translatorcomment>
        <translation>TB-9 se ponovno pokrenuo, ali nije javio svoju verziju. Provjerite je na stranici TB-9.</translation>
    </message>
    <message>
        <source>TheTB9ReportsAnotherVersion</source>
        <translatorcomment>After the update the TB-9 reports version %1, not %2.</translatorcomment>
        <translation>Nakon ažuriranja TB-9 javlja verziju %1, a ne %2.</translation>
    </message>
    <message>
        <source>TheTB9UpdateWasCancelled</source>
        <translatorcomment>The update of the TB-9 was cancelled.</translatorcomment>
        <translation>Ažuriranje TB-9 je otkazano.</translation>
    </message>
    <message>
        <source>UnitFromTo</source>
        <translatorcomment>Unit: %1 → %2</translatorcomment>
        <translation>Uređaj: %1 → %2</translation>
    </message>
    <message>
        <source>TB9FromTo</source>
        <translatorcomment>TB-9: %1 → %2</translatorcomment>
        <translation>TB-9: %1 → %2</translation>
    </message>
    <message>
        <source>NoFirmwareFileOnTheDataPartition</source>
        <translatorcomment>No update file on the data storage (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translatorcomment>
        <translation>Nema datoteke ažuriranja u memoriji podataka (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translation>
    </message>
    <message>
        <source>InstallVersionOnTheUnit</source>
        <translatorcomment>Install version %1 on the unit? The unit restarts to install it.</translatorcomment>
        <translation>Instalirati verziju %1 na uređaj? Uređaj se ponovno pokreće radi instalacije.</translation>
    </message>
    <message>
        <source>InstallVersionOnTheTB9</source>
        <translatorcomment>Install version %1 on the TB-9? Keep the TB-9 switched on and near the unit.</translatorcomment>
        <translation>Instalirati verziju %1 na TB-9? TB-9 neka ostane uključen i blizu uređaja.</translation>
    </message>
    <message>
        <source>CopyingTheUpdateFile</source>
        <translatorcomment>Copying the update file...</translatorcomment>
        <translation>Kopiranje datoteke ažuriranja...</translation>
    </message>
    <message>
        <source>TheUnitRestartsToInstallTheUpdate</source>
        <translatorcomment>The unit restarts to install the update.</translatorcomment>
        <translation>Uređaj se ponovno pokreće radi instalacije ažuriranja.</translation>
    </message>
    <message>
        <source>TheUnitCouldNotBeRestarted</source>
        <translatorcomment>The unit could not be restarted.</translatorcomment>
        <translation>Uređaj se nije mogao ponovno pokrenuti.</translation>
    </message>
    <message>
        <source>SendingTheUpdateToTheTB9</source>
        <translatorcomment>Sending the update to the TB-9... Back stops it.</translatorcomment>
        <translation>Slanje ažuriranja na TB-9... Natrag ga prekida.</translation>
    </message>
    <message>
        <source>PleaseWaitUntilTheCopyHasFinished</source>
        <translatorcomment>Please wait until the copy has finished.</translatorcomment>
        <translation>Pričekajte dok se kopiranje ne završi.</translation>
    </message>
    <message>
        <source>TheTB9IsNotConnected</source>
        <translatorcomment>No Bluetooth connection to the TB-9: the update cannot be sent.</translatorcomment>
        <translation>Nema Bluetooth veze s TB-9: ažuriranje se ne može poslati.</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>ProgramVersion</source>
        <translatorcomment>Program</translatorcomment>
        <translation>Program</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translatorcomment>Hardware</translatorcomment>
        <translation>Hardver</translation>
    </message>
    <message>
        <source>BluetoothModules</source>
        <translatorcomment>Bluetooth modules</translatorcomment>
        <translation>Bluetooth moduli</translation>
    </message>
    <message>
        <source>HeadphoneModuleAddress</source>
        <translatorcomment>Headset module</translatorcomment>
        <translation>Modul slušalica</translation>
    </message>
    <message>
        <source>HeadphoneModuleFirmware</source>
        <translatorcomment>Headset firmware</translatorcomment>
        <translation>Firmware slušalica</translation>
    </message>
    <message>
        <source>MicrophoneModuleAddress</source>
        <translatorcomment>TB-9 module</translatorcomment>
        <translation>Modul TB-9</translation>
    </message>
    <message>
        <source>MicrophoneModuleFirmware</source>
        <translatorcomment>TB-9 firmware</translatorcomment>
        <translation>Firmware TB-9</translation>
    </message>
    <message>
        <source>SerialNumber</source>
        <translatorcomment>Serial number</translatorcomment>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>ProductionDate</source>
        <translatorcomment>Production date</translatorcomment>
        <translation>Datum proizvodnje</translation>
    </message>
    <message>
        <source>BatteryCharge</source>
        <translatorcomment>Battery charge</translatorcomment>
        <translation>Napunjenost baterije</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery voltage</translatorcomment>
        <translation>Napon baterije</translation>
    </message>
    <message>
        <source>BatteryCurrent</source>
        <translatorcomment>Battery current</translatorcomment>
        <translation>Struja baterije</translation>
    </message>
    <message>
        <source>BatteryTemperature</source>
        <translatorcomment>Battery temperature</translatorcomment>
        <translation>Temperatura baterije</translation>
    </message>
    <message>
        <source>Charging</source>
        <translatorcomment>Charging</translatorcomment>
        <translation>Punjenje</translation>
    </message>
    <message>
        <source>SystemMemory</source>
        <translatorcomment>System memory</translatorcomment>
        <translation>Memorija sustava</translation>
    </message>
    <message>
        <source>DataMemory</source>
        <translatorcomment>Data storage</translatorcomment>
        <translation>Memorija podataka</translation>
    </message>
    <message>
        <source>DeveloperFeatures</source>
        <translatorcomment>Developer features</translatorcomment>
        <translation>Razvojne funkcije</translation>
    </message>
    <message>
        <source>DeveloperFeaturesInfo</source>
        <translatorcomment>Shows the debug and test menus on the main page and logs the system state to the data storage.</translatorcomment>
        <translation>Prikazuje izbornike za otklanjanje pogrešaka i testiranje na glavnoj stranici i bilježi stanje sustava u memoriju podataka.</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Prethodna stranica</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Sljedeća stranica</translation>
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
    <message>
        <source>SwitchingThemOnAsksForTheDeveloperCode</source>
        <translatorcomment>Switching them on asks for the developer code.</translatorcomment>
        <translation>Za njihovo uključivanje potreban je razvojni kod.</translation>
    </message>
    <message>
        <source>TheCodeIsWrongTheDeveloperFeaturesStayOff</source>
        <translatorcomment>The code is wrong. The developer features stay off.</translatorcomment>
        <translation>Kod je pogrešan. Razvojne funkcije ostaju isključene.</translation>
    </message>
</context>
</TS>
