<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>BackupDialog</name>
    <message>
        <source>ConnectToThePC</source>
        <translatorcomment>Connect to the PC</translatorcomment>
        <translation>Підключити до ПК</translation>
    </message>
    <message>
        <source>ConnectTheDataPartitionToThePC</source>
        <translatorcomment>Connect the data storage to the PC by USB?
While it is connected, the unit stores no measurements, screenshots or logs.</translatorcomment>
        <translation>Підключити пам'ять даних до ПК через USB?
Поки її підключено, прилад не зберігає вимірювання, знімки екрана й журнали.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsOnTheUnit</source>
        <translatorcomment>The data storage is on the unit. Connect the USB cable and press the USB button to connect it to the PC.</translatorcomment>
        <translation>Пам'ять даних підключено до приладу. Під'єднайте кабель USB і натисніть кнопку USB, щоб підключити її до ПК.</translation>
    </message>
    <message>
        <source>ThePCHoldsTheDataPartitionEjectItThenPressBack</source>
        <translatorcomment>The PC holds the data storage now. Eject the drive on the PC, then press Back.</translatorcomment>
        <translation>Пам'ять даних зараз підключено до ПК. Вийміть диск на ПК, потім натисніть «Назад».</translation>
    </message>
    <message>
        <source>TheDataPartitionIsInUseAndStaysOnTheUnit</source>
        <translatorcomment>The data storage is in use and stays on the unit. Try again later.</translatorcomment>
        <translation>Пам'ять даних використовується й лишається підключеною до приладу. Спробуйте пізніше.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeStarted</source>
        <translatorcomment>The USB connection could not be started. The data storage stays on the unit.</translatorcomment>
        <translation>Не вдалося встановити USB-з'єднання. Пам'ять даних лишається підключеною до приладу.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeEnded</source>
        <translatorcomment>The USB connection could not be ended. Eject the drive on the PC and press Back again.</translatorcomment>
        <translation>Не вдалося завершити USB-з'єднання. Вийміть диск на ПК і знову натисніть «Назад».</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>SensorType</source>
        <translatorcomment>Sensor</translatorcomment>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translatorcomment>Microphone gain</translatorcomment>
        <translation>Підсилення мікрофона</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery</translatorcomment>
        <translation>Акумулятор</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translatorcomment>Firmware</translatorcomment>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translatorcomment>Hardware</translatorcomment>
        <translation>Апаратна частина</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translatorcomment>Mute key</translatorcomment>
        <translation>Кнопка вимкнення звуку</translation>
    </message>
    <message>
        <source>MuteState</source>
        <translatorcomment>Mute state</translatorcomment>
        <translation>Стан звуку</translation>
    </message>
    <message>
        <source>NoConnectionToTheTB9</source>
        <translatorcomment>No Bluetooth connection to the TB-9: its configuration cannot be read.</translatorcomment>
        <translation>Немає з'єднання Bluetooth з TB-9: неможливо прочитати його конфігурацію.</translation>
    </message>
    <message>
        <source>ReadingTheConfigurationOfTheTB9</source>
        <translatorcomment>Reading the configuration of the TB-9 ...</translatorcomment>
        <translation>Читання конфігурації TB-9 ...</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerCompletely</source>
        <translatorcomment>The TB-9 did not answer completely: what came is shown.</translatorcomment>
        <translation>TB-9 відповів не повністю: показано те, що отримано.</translation>
    </message>
    <message>
        <source>Muted</source>
        <translatorcomment>Muted</translatorcomment>
        <translation>Звук вимкнено</translation>
    </message>
    <message>
        <source>Listening</source>
        <translatorcomment>Listening</translatorcomment>
        <translation>Прослуховування</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>ChooseTheFileToInstall</source>
        <translatorcomment>Choose the update to install: tap it, or press OK.</translatorcomment>
        <translation>Виберіть оновлення для встановлення: торкніться його або натисніть OK.</translation>
    </message>
    <message>
        <source>TheUpdateCannotBeStoredOnTheUnit</source>
        <translatorcomment>The update cannot be stored on the unit. Nothing was installed.</translatorcomment>
        <translation>Не вдається зберегти оновлення на приладі. Нічого не встановлено.</translation>
    </message>
    <message>
        <source>TheFileIsNoLongerOnTheDataPartition</source>
        <translatorcomment>The file is no longer on the data storage.</translatorcomment>
        <translation>Файлу більше немає в пам'яті даних.</translation>
    </message>
    <message>
        <source>TheFileNameHoldsNoUsableVersion</source>
        <translatorcomment>The file name holds no usable version (up to 16 letters, digits and dots).</translatorcomment>
        <translation>Ім'я файлу не містить придатної версії (до 16 літер, цифр і крапок).</translation>
    </message>
    <message>
        <source>TheFileIsEmpty</source>
        <translatorcomment>The file is empty.</translatorcomment>
        <translation>Файл порожній.</translation>
    </message>
    <message>
        <source>TheFileIsTooLargeForTheTB9</source>
        <translatorcomment>The file is too large for the TB-9 (at most 64000 bytes).</translatorcomment>
        <translation>Файл завеликий для TB-9 (не більше 64000 байтів).</translation>
    </message>
    <message>
        <source>TheFileCannotBeRead</source>
        <translatorcomment>The file cannot be read.</translatorcomment>
        <translation>Не вдається прочитати файл.</translation>
    </message>
    <message>
        <source>TheUpdateFileWasNotCopiedCompletely</source>
        <translatorcomment>The update file could not be copied completely. Nothing was installed.</translatorcomment>
        <translation>Не вдалося повністю скопіювати файл оновлення. Нічого не встановлено.</translation>
    </message>
    <message>
        <source>TheUnitCannotBePreparedForTheUpdate</source>
        <translatorcomment>The unit cannot be prepared for the update. Nothing was installed.</translatorcomment>
        <translation>Не вдається підготувати прилад до оновлення. Нічого не встановлено.</translation>
    </message>
    <message>
        <source>TheTB9NowRunsVersion</source>
        <translatorcomment>The TB-9 now runs version %1.</translatorcomment>
        <translation>На TB-9 тепер встановлено версію %1.</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerTheUpdateWasStopped</source>
        <translatorcomment>The TB-9 did not answer. The update was stopped.</translatorcomment>
        <translation>TB-9 не відповів. Оновлення перервано.</translation>
    </message>
    <message>
        <source>TheTB9RefusedTheUpdate</source>
        <translatorcomment>The TB-9 refused the update. The update was stopped.</translatorcomment>
        <translation>TB-9 відхилив оновлення. Оновлення перервано.</translation>
    </message>
    <message>
        <source>TheTB9RestartedDuringTheTransfer</source>
        <translatorcomment>The TB-9 restarted during the transfer. The update was stopped.</translatorcomment>
        <translation>TB-9 перезапустився під час передавання. Оновлення перервано.</translation>
    </message>
    <message>
        <source>TheTB9DidNotRestartAfterTheTransfer</source>
        <translatorcomment>The TB-9 did not restart after the transfer. Check its version on the TB-9 page.</translatorcomment>
        <translation>TB-9 не перезапустився після передавання. Перевірте його версію на сторінці TB-9.</translation>
    </message>
    <message>
        <source>TheTB9RestartedButDidNotReportItsVersion</source>
        <translatorcomment>The TB-9 restarted but did not report its version. Check it on the TB-9 page.</translatorcomment>
        <translation>TB-9 перезапустився, але не повідомив свою версію. Перевірте її на сторінці TB-9.</translation>
    </message>
    <message>
        <source>TheTB9ReportsAnotherVersion</source>
        <translatorcomment>After the update the TB-9 reports version %1, not %2.</translatorcomment>
        <translation>Після оновлення TB-9 повідомляє версію %1, а не %2.</translation>
    </message>
    <message>
        <source>TheTB9UpdateWasCancelled</source>
        <translatorcomment>The update of the TB-9 was cancelled.</translatorcomment>
        <translation>Оновлення TB-9 скасовано.</translation>
    </message>
    <message>
        <source>UnitFromTo</source>
        <translatorcomment>Unit: %1 → %2</translatorcomment>
        <translation>Прилад: %1 → %2</translation>
    </message>
    <message>
        <source>TB9FromTo</source>
        <translatorcomment>TB-9: %1 → %2</translatorcomment>
        <translation>TB-9: %1 → %2</translation>
    </message>
    <message>
        <source>NoFirmwareFileOnTheDataPartition</source>
        <translatorcomment>No update file on the data storage (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translatorcomment>
        <translation>У пам'яті даних немає файлу оновлення (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translation>
    </message>
    <message>
        <source>InstallVersionOnTheUnit</source>
        <translatorcomment>Install version %1 on the unit? The unit restarts to install it.</translatorcomment>
        <translation>Встановити версію %1 на прилад? Для встановлення прилад перезапуститься.</translation>
    </message>
    <message>
        <source>InstallVersionOnTheTB9</source>
        <translatorcomment>Install version %1 on the TB-9? Keep the TB-9 switched on and near the unit.</translatorcomment>
        <translation>Встановити версію %1 на TB-9? Тримайте TB-9 увімкненим і поруч із приладом.</translation>
    </message>
    <message>
        <source>CopyingTheUpdateFile</source>
        <translatorcomment>Copying the update file...</translatorcomment>
        <translation>Копіювання файлу оновлення...</translation>
    </message>
    <message>
        <source>TheUnitRestartsToInstallTheUpdate</source>
        <translatorcomment>The unit restarts to install the update.</translatorcomment>
        <translation>Прилад перезапускається для встановлення оновлення.</translation>
    </message>
    <message>
        <source>TheUnitCouldNotBeRestarted</source>
        <translatorcomment>The unit could not be restarted.</translatorcomment>
        <translation>Не вдалося перезапустити прилад.</translation>
    </message>
    <message>
        <source>SendingTheUpdateToTheTB9</source>
        <translatorcomment>Sending the update to the TB-9... Back stops it.</translatorcomment>
        <translation>Передавання оновлення на TB-9... Щоб скасувати, натисніть «Назад».</translation>
    </message>
    <message>
        <source>PleaseWaitUntilTheCopyHasFinished</source>
        <translatorcomment>Please wait until the copy has finished.</translatorcomment>
        <translation>Зачекайте, доки завершиться копіювання.</translation>
    </message>
    <message>
        <source>TheTB9IsNotConnected</source>
        <translatorcomment>No Bluetooth connection to the TB-9: the update cannot be sent.</translatorcomment>
        <translation>Немає з'єднання Bluetooth з TB-9: неможливо надіслати оновлення.</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>ProgramVersion</source>
        <translatorcomment>Program</translatorcomment>
        <translation>Програма</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translatorcomment>Hardware</translatorcomment>
        <translation>Апаратна частина</translation>
    </message>
    <message>
        <source>BluetoothModules</source>
        <translatorcomment>Bluetooth modules</translatorcomment>
        <translation>Модулі Bluetooth</translation>
    </message>
    <message>
        <source>HeadphoneModuleAddress</source>
        <translatorcomment>Headset module</translatorcomment>
        <translation>Модуль гарнітури</translation>
    </message>
    <message>
        <source>HeadphoneModuleFirmware</source>
        <translatorcomment>Headset firmware</translatorcomment>
        <translation>Прошивка гарнітури</translation>
    </message>
    <message>
        <source>MicrophoneModuleAddress</source>
        <translatorcomment>TB-9 module</translatorcomment>
        <translation>Модуль TB-9</translation>
    </message>
    <message>
        <source>MicrophoneModuleFirmware</source>
        <translatorcomment>TB-9 firmware</translatorcomment>
        <translation>Прошивка TB-9</translation>
    </message>
    <message>
        <source>SerialNumber</source>
        <translatorcomment>Serial number</translatorcomment>
        <translation>Серійний номер</translation>
    </message>
    <message>
        <source>ProductionDate</source>
        <translatorcomment>Production date</translatorcomment>
        <translation>Дата виготовлення</translation>
    </message>
    <message>
        <source>BatteryCharge</source>
        <translatorcomment>Battery charge</translatorcomment>
        <translation>Заряд акумулятора</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery voltage</translatorcomment>
        <translation>Напруга акумулятора</translation>
    </message>
    <message>
        <source>BatteryCurrent</source>
        <translatorcomment>Battery current</translatorcomment>
        <translation>Струм акумулятора</translation>
    </message>
    <message>
        <source>BatteryTemperature</source>
        <translatorcomment>Battery temperature</translatorcomment>
        <translation>Температура акумулятора</translation>
    </message>
    <message>
        <source>Charging</source>
        <translatorcomment>Charging</translatorcomment>
        <translation>Заряджання</translation>
    </message>
    <message>
        <source>SystemMemory</source>
        <translatorcomment>System memory</translatorcomment>
        <translation>Системна пам'ять</translation>
    </message>
    <message>
        <source>DataMemory</source>
        <translatorcomment>Data storage</translatorcomment>
        <translation>Пам'ять даних</translation>
    </message>
    <message>
        <source>DeveloperFeatures</source>
        <translatorcomment>Developer features</translatorcomment>
        <translation>Функції розробника</translation>
    </message>
    <message>
        <source>DeveloperFeaturesInfo</source>
        <translatorcomment>Shows the debug and test menus on the main page and logs the system state to the data storage.</translatorcomment>
        <translation>Показує меню налагодження й тестування на головній сторінці та записує стан системи в пам'ять даних.</translation>
    </message>
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
    <message>
        <source>SwitchingThemOnAsksForTheDeveloperCode</source>
        <translatorcomment>Switching them on asks for the developer code.</translatorcomment>
        <translation>Для їх увімкнення потрібен код розробника.</translation>
    </message>
    <message>
        <source>TheCodeIsWrongTheDeveloperFeaturesStayOff</source>
        <translatorcomment>The code is wrong. The developer features stay off.</translatorcomment>
        <translation>Неправильний код. Функції розробника залишаються вимкненими.</translation>
    </message>
</context>
</TS>
