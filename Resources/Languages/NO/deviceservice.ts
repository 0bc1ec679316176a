<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>BackupDialog</name>
    <message>
        <source>ConnectToThePC</source>
        <translatorcomment>Connect to the PC</translatorcomment>
        <translation>Koble til PC-en</translation>
    </message>
    <message>
        <source>ConnectTheDataPartitionToThePC</source>
        <translatorcomment>Connect the data storage to the PC by USB?
While it is connected, the unit stores no measurements, screenshots or logs.</translatorcomment>
        <translation>Koble datalageret til PC-en via USB?
Mens det er tilkoblet, lagrer enheten ingen målinger, skjermbilder eller logger.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsOnTheUnit</source>
        <translatorcomment>The data storage is on the unit. Connect the USB cable and press the USB button to connect it to the PC.</translatorcomment>
        <translation>Datalageret er på enheten. Koble til USB-kabelen, og trykk på USB-knappen for å koble det til PC-en.</translation>
    </message>
    <message>
        <source>ThePCHoldsTheDataPartitionEjectItThenPressBack</source>
        <translatorcomment>The PC holds the data storage now. Eject the drive on the PC, then press Back.</translatorcomment>
        <translation>PC-en har nå datalageret. Løs ut stasjonen på PC-en, og trykk deretter på Tilbake.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsInUseAndStaysOnTheUnit</source>
        <translatorcomment>The data storage is in use and stays on the unit. Try again later.</translatorcomment>
        <translation>Datalageret er i bruk og blir på enheten. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeStarted</source>
        <translatorcomment>The USB connection could not be started. The data storage stays on the unit.</translatorcomment>
        <translation>USB-tilkoblingen kunne ikke opprettes. Datalageret blir på enheten.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeEnded</source>
        <translatorcomment>The USB connection could not be ended. Eject the drive on the PC and press Back again.</translatorcomment>
        <translation>USB-tilkoblingen kunne ikke avsluttes. Løs ut stasjonen på PC-en, og trykk på Tilbake igjen.</translation>
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
        <translation>Mikrofonforsterkning</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery</translatorcomment>
        <translation>Batteri</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translatorcomment>Firmware</translatorcomment>
        <translation>Fastvare</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translatorcomment>Hardware</translatorcomment>
        <translation>Maskinvare</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translatorcomment>Mute key</translatorcomment>
        <translation>Dempetast</translation>
    </message>
    <message>
        <source>MuteState</source>
        <translatorcomment>Mute state</translatorcomment>
        <translation>Demping</translation>
    </message>
    <message>
        <source>NoConnectionToTheTB9</source>
        <translatorcomment>No Bluetooth connection to the TB-9: its configuration cannot be read.</translatorcomment>
        <translation>Ingen Bluetooth-tilkobling til TB-9: konfigurasjonen kan ikke leses.</translation>
    </message>
    <message>
        <source>ReadingTheConfigurationOfTheTB9</source>
        <translatorcomment>Reading the configuration of the TB-9 ...</translatorcomment>
        <translation>Leser konfigurasjonen til TB-9 ...</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerCompletely</source>
        <translatorcomment>The TB-9 did not answer completely: what came is shown.</translatorcomment>
        <translation>TB-9 svarte ikke fullstendig: det som kom, vises.</translation>
    </message>
    <message>
        <source>Muted</source>
        <translatorcomment>Muted</translatorcomment>
        <translation>Dempet</translation>
    </message>
    <message>
        <source>Listening</source>
        <translatorcomment>Listening</translatorcomment>
        <translation>Lytter</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>ChooseTheFileToInstall</source>
        <translatorcomment>Choose the update to install: tap it, or press OK.</translatorcomment>
        <translation>Velg oppdateringen som skal installeres: trykk på den eller trykk på OK.</translation>
    </message>
    <message>
        <source>TheUpdateCannotBeStoredOnTheUnit</source>
        <translatorcomment>The update cannot be stored on the unit. Nothing was installed.</translatorcomment>
        <translation>Oppdateringen kan ikke lagres på enheten. Ingenting ble installert.</translation>
    </message>
    <message>
        <source>TheFileIsNoLongerOnTheDataPartition</source>
        <translatorcomment>The file is no longer on the data storage.</translatorcomment>
        <translation>Filen er ikke lenger på datalageret.</translation>
    </message>
    <message>
        <source>TheFileNameHoldsNoUsableVersion</source>
        <translatorcomment>The file name holds no usable version (up to 16 letters, digits and dots).</translatorcomment>
        <translation>Filnavnet inneholder ingen brukbar versjon (høyst 16 bokstaver, sifre og punktum).</translation>
    </message>
    <message>
        <source>TheFileIsEmpty</source>
        <translatorcomment>The file is empty.</translatorcomment>
        <translation>Filen er tom.</translation>
    </message>
    <message>
        <source>TheFileIsTooLargeForTheTB9</source>
        <translatorcomment>The file is too large for the TB-9 (at most 64000 bytes).</translatorcomment>
        <translation>Filen er for stor for TB-9 (høyst 64000 byte).</translation>
    </message>
    <message>
        <source>TheFileCannotBeRead</source>
        <translatorcomment>The file cannot be read.</translatorcomment>
        <translation>Filen kan ikke leses.</translation>
    </message>
    <message>
        <source>TheUpdateFileWasNotCopiedCompletely</source>
        <translatorcomment>The update file could not be copied completely. Nothing was installed.</translatorcomment>
        <translation>Oppdateringsfilen kunne ikke kopieres fullstendig. Ingenting ble installert.</translation>
    </message>
    <message>
        <source>TheUnitCannotBePreparedForTheUpdate</source>
        <translatorcomment>The unit cannot be prepared for the update. Nothing was installed.</translatorcomment>
        <translation>Enheten kan ikke klargjøres for oppdateringen. Ingenting ble installert.</translation>
    </message>
    <message>
        <source>TheTB9NowRunsVersion</source>
        <translatorcomment>The TB-9 now runs version %1.</translatorcomment>
        <translation>TB-9 kjører nå versjon %1.</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerTheUpdateWasStopped</source>
        <translatorcomment>The TB-9 did not answer. The update was stopped.</translatorcomment>
        <translation>TB-9 svarte ikke. Oppdateringen ble avbrutt.</translation>
    </message>
    <message>
        <source>TheTB9RefusedTheUpdate</source>
        <translatorcomment>The TB-9 refused the update. The update was stopped.</translatorcomment>
        <translation>TB-9 avviste oppdateringen. Oppdateringen ble avbrutt.</translation>
    </message>
    <message>
        <source>TheTB9RestartedDuringTheTransfer</source>
        <translatorcomment>The TB-9 restarted during the transfer. The update was stopped.</translatorcomment>
        <translation>TB-9 startet på nytt under overføringen. Oppdateringen ble avbrutt.</translation>
    </message>
    <message>
        <source>TheTB9DidNotRestartAfterTheTransfer</source>
        <translatorcomment>The TB-9 did not restart after the transfer. Check its version on the TB-9 page.</translatorcomment>
        <translation>TB-9 startet ikke på nytt etter overføringen. Kontroller versjonen på TB-9-siden.</translation>
    </message>
    <message>
        <source>TheTB9RestartedButDidNotReportItsVersion</source>
        <translatorcomment>The TB-9 restarted but did not report its version. Check it on the TB-9 page.</translatorcomment>
        <translation>TB-9 startet på nytt, men rapporterte ikke versjonen sin. Kontroller den på TB-9-siden.</translation>
    </message>
    <message>
        <source>TheTB9ReportsAnotherVersion</source>
        <translatorcomment>After the update the TB-9 reports version %1, not %2.</translatorcomment>
        <translation>Etter oppdateringen rapporterer TB-9 versjon %1, ikke %2.</translation>
    </message>
    <message>
        <source>TheTB9UpdateWasCancelled</source>
        <translatorcomment>The update of the TB-9 was cancelled.</translatorcomment>
        <translation>Oppdateringen av TB-9 ble avbrutt.</translation>
    </message>
    <message>
        <source>UnitFromTo</source>
        <translatorcomment>Unit: %1 → %2</translatorcomment>
        <translation>Enhet: %1 → %2</translation>
    </message>
    <message>
        <source>TB9FromTo</source>
        <translatorcomment>TB-9: %1 → %2</translatorcomment>
        <translation>TB-9: %1 → %2</translation>
    </message>
    <message>
        <source>NoFirmwareFileOnTheDataPartition</source>
        <translatorcomment>No update file on the data storage (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translatorcomment>
        <translation>Ingen oppdateringsfil på datalageret (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translation>
    </message>
    <message>
        <source>InstallVersionOnTheUnit</source>
        <translatorcomment>Install version %1 on the unit? The unit restarts to install it.</translatorcomment>
        <translation>Installere versjon %1 på enheten? Enheten starter på nytt for å installere den.</translation>
    </message>
    <message>
        <source>InstallVersionOnTheTB9</source>
        <translatorcomment>Install version %1 on the TB-9? Keep the TB-9 switched on and near the unit.</translatorcomment>
        <translation>Installere versjon %1 på TB-9? Hold TB-9 påslått og nær enheten.</translation>
    </message>
    <message>
        <source>CopyingTheUpdateFile</source>
        <translatorcomment>Copying the update file...</translatorcomment>
        <translation>Kopierer oppdateringsfilen...</translation>
    </message>
    <message>
        <source>TheUnitRestartsToInstallTheUpdate</source>
        <translatorcomment>The unit restarts to install the update.</translatorcomment>
        <translation>Enheten starter på nytt for å installere oppdateringen.</translation>
    </message>
    <message>
        <source>TheUnitCouldNotBeRestarted</source>
        <translatorcomment>The unit could not be restarted.</translatorcomment>
        <translation>Enheten kunne ikke startes på nytt.</translation>
    </message>
    <message>
        <source>SendingTheUpdateToTheTB9</source>
        <translatorcomment>Sending the update to the TB-9... Back stops it.</translatorcomment>
        <translation>Sender oppdateringen til TB-9... Tilbake avbryter.</translation>
    </message>
    <message>
        <source>PleaseWaitUntilTheCopyHasFinished</source>
        <translatorcomment>Please wait until the copy has finished.</translatorcomment>
        <translation>Vent til kopieringen er ferdig.</translation>
    </message>
    <message>
        <source>TheTB9IsNotConnected</source>
        <translatorcomment>No Bluetooth connection to the TB-9: the update cannot be sent.</translatorcomment>
        <translation>Ingen Bluetooth-tilkobling til TB-9: oppdateringen kan ikke sendes.</translation>
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
        <translation>Maskinvare</translation>
    </message>
    <message>
        <source>BluetoothModules</source>
        <translatorcomment>Bluetooth modules</translatorcomment>
        <translation>Bluetooth-moduler</translation>
    </message>
    <message>
        <source>HeadphoneModuleAddress</source>
        <translatorcomment>Headset module</translatorcomment>
        <translation>Hodesettmodul</translation>
    </message>
    <message>
        <source>HeadphoneModuleFirmware</source>
        <translatorcomment>Headset firmware</translatorcomment>
        <translation>Hodesett-fastvare</translation>
    </message>
    <message>
        <source>MicrophoneModuleAddress</source>
        <translatorcomment>TB-9 module</translatorcomment>
        <translation>TB-9-modul</translation>
    </message>
    <message>
        <source>MicrophoneModuleFirmware</source>
        <translatorcomment>TB-9 firmware</translatorcomment>
        <translation>TB-9-fastvare</translation>
    </message>
    <message>
        <source>SerialNumber</source>
        <translatorcomment>Serial number</translatorcomment>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>ProductionDate</source>
        <translatorcomment>Production date</translatorcomment>
        <translation>Produksjonsdato</translation>
    </message>
    <message>
        <source>BatteryCharge</source>
        <translatorcomment>Battery charge</translatorcomment>
        <translation>Batterinivå</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery voltage</translatorcomment>
        <translation>Batterispenning</translation>
    </message>
    <message>
        <source>BatteryCurrent</source>
        <translatorcomment>Battery current</translatorcomment>
        <translation>Batteristrøm</translation>
    </message>
    <message>
        <source>BatteryTemperature</source>
        <translatorcomment>Battery temperature</translatorcomment>
        <translation>Batteritemperatur</translation>
    </message>
    <message>
        <source>Charging</source>
        <translatorcomment>Charging</translatorcomment>
        <translation>Lader</translation>
    </message>
    <message>
        <source>SystemMemory</source>
        <translatorcomment>System memory</translatorcomment>
        <translation>Systemminne</translation>
    </message>
    <message>
        <source>DataMemory</source>
        <translatorcomment>Data storage</translatorcomment>
        <translation>Datalager</translation>
    </message>
    <message>
        <source>DeveloperFeatures</source>
        <translatorcomment>Developer features</translatorcomment>
        <translation>Utviklerfunksjoner</translation>
    </message>
    <message>
        <source>DeveloperFeaturesInfo</source>
        <translatorcomment>Shows the debug and test menus on the main page and logs the system state to the data storage.</translatorcomment>
        <translation>Viser feilsøkings- og testmenyene på hovedsiden og logger systemtilstanden til datalageret.</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translatorcomment>Previous page</translatorcomment>
        <translation>Forrige side</translation>
    </message>
    <message>
        <source>Back</source>
        <translatorcomment>Back</translatorcomment>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translatorcomment>Next page</translatorcomment>
        <translation>Neste side</translation>
    </message>
    <message>
        <source>Yes</source>
        <translatorcomment>Yes</translatorcomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translatorcomment>No</translatorcomment>
        <translation>Nei</translation>
    </message>
    <message>
        <source>SwitchingThemOnAsksForTheDeveloperCode</source>
        <translatorcomment>Switching them on asks for the developer code.</translatorcomment>
        <translation>For å slå dem på må utviklerkoden tastes inn.</translation>
    </message>
    <message>
        <source>TheCodeIsWrongTheDeveloperFeaturesStayOff</source>
        <translatorcomment>The code is wrong. The developer features stay off.</translatorcomment>
        <translation>Koden er feil. Utviklerfunksjonene forblir slått av.</translation>
    </message>
</context>
</TS>
