<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Configuration</name>
    <message>
        <source>SensorType</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Microphone gain</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Mute key</translation>
    </message>
    <message>
        <source>MuteState</source>
        <translation>Mute state</translation>
    </message>
    <message>
        <source>NoConnectionToTheTB9</source>
        <translation>No Bluetooth connection to the TB-9: its configuration cannot be read.</translation>
    </message>
    <message>
        <source>ReadingTheConfigurationOfTheTB9</source>
        <translation>Reading the configuration of the TB-9 ...</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerCompletely</source>
        <translation>The TB-9 did not answer completely: what came is shown.</translation>
    </message>
    <message>
        <source>Muted</source>
        <translation>Muted</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Listening</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>ConnectToThePC</source>
        <translation>Connect to the PC</translation>
    </message>
    <message>
        <source>ConnectTheDataPartitionToThePC</source>
        <translation>Connect the data storage to the PC by USB?
While it is connected, the unit stores no measurements, screenshots or logs.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsOnTheUnit</source>
        <translation>The data storage is on the unit. Connect the USB cable and press the USB button to connect it to the PC.</translation>
    </message>
    <message>
        <source>ThePCHoldsTheDataPartitionEjectItThenPressBack</source>
        <translation>The PC holds the data storage now. Eject the drive on the PC, then press Back.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsInUseAndStaysOnTheUnit</source>
        <translation>The data storage is in use and stays on the unit. Try again later.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeStarted</source>
        <translation>The USB connection could not be started. The data storage stays on the unit.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeEnded</source>
        <translation>The USB connection could not be ended. Eject the drive on the PC and press Back again.</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>ProgramVersion</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>BluetoothModules</source>
        <translation>Bluetooth modules</translation>
    </message>
    <message>
        <source>HeadphoneModuleAddress</source>
        <translation>Headset module</translation>
    </message>
    <message>
        <source>HeadphoneModuleFirmware</source>
        <translation>Headset firmware</translation>
    </message>
    <message>
        <source>MicrophoneModuleAddress</source>
        <translation>TB-9 module</translation>
    </message>
    <message>
        <source>MicrophoneModuleFirmware</source>
        <translation>TB-9 firmware</translation>
    </message>
    <message>
        <source>SerialNumber</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>ProductionDate</source>
        <translation>Production date</translation>
    </message>
    <message>
        <source>BatteryCharge</source>
        <translation>Battery charge</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>BatteryCurrent</source>
        <translation>Battery current</translation>
    </message>
    <message>
        <source>BatteryTemperature</source>
        <translation>Battery temperature</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Charging</translation>
    </message>
    <message>
        <source>SystemMemory</source>
        <translation>System memory</translation>
    </message>
    <message>
        <source>DataMemory</source>
        <translation>Data storage</translation>
    </message>
    <message>
        <source>DeveloperFeatures</source>
        <translation>Developer features</translation>
    </message>
    <message>
        <source>DeveloperFeaturesInfo</source>
        <translation>Shows the debug and test menus on the main page and logs the system state to the data storage.</translation>
    </message>
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
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
</TS>
