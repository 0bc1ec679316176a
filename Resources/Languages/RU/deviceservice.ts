<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BackupDialog</name>
    <message>
        <source>ConnectToThePC</source>
        <translatorcomment>Connect to the PC</translatorcomment>
        <translation>Подключить к ПК</translation>
    </message>
    <message>
        <source>ConnectTheDataPartitionToThePC</source>
        <translatorcomment>Connect the data storage to the PC by USB?
While it is connected, the unit stores no measurements, screenshots or logs.</translatorcomment>
        <translation>Подключить память данных к ПК по USB?
Пока она подключена, прибор не сохраняет измерения, снимки экрана и журналы.</translation>
    </message>
    <message>
        <source>TheDataPartitionIsOnTheUnit</source>
        <translatorcomment>The data storage is on the unit. Connect the USB cable and press the USB button to connect it to the PC.</translatorcomment>
        <translation>Память данных подключена к прибору. Подсоедините кабель USB и нажмите кнопку USB, чтобы подключить её к ПК.</translation>
    </message>
    <message>
        <source>ThePCHoldsTheDataPartitionEjectItThenPressBack</source>
        <translatorcomment>The PC holds the data storage now. Eject the drive on the PC, then press Back.</translatorcomment>
        <translation>Память данных сейчас подключена к ПК. Извлеките диск на ПК, затем нажмите «Назад».</translation>
    </message>
    <message>
        <source>TheDataPartitionIsInUseAndStaysOnTheUnit</source>
        <translatorcomment>The data storage is in use and stays on the unit. Try again later.</translatorcomment>
        <translation>Память данных занята и остаётся подключённой к прибору. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeStarted</source>
        <translatorcomment>The USB connection could not be started. The data storage stays on the unit.</translatorcomment>
        <translation>Не удалось установить USB-соединение. Память данных остаётся подключённой к прибору.</translation>
    </message>
    <message>
        <source>TheUSBConnectionCouldNotBeEnded</source>
        <translatorcomment>The USB connection could not be ended. Eject the drive on the PC and press Back again.</translatorcomment>
        <translation>Не удалось завершить USB-соединение. Извлеките диск на ПК и снова нажмите «Назад».</translation>
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
        <translation>Усиление микрофона</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery</translatorcomment>
        <translation>Аккумулятор</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translatorcomment>Firmware</translatorcomment>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translatorcomment>Hardware</translatorcomment>
        <translation>Аппаратная часть</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translatorcomment>Mute key</translatorcomment>
        <translation>Кнопка отключения звука</translation>
    </message>
    <message>
        <source>MuteState</source>
        <translatorcomment>Mute state</translatorcomment>
        <translation>Состояние звука</translation>
    </message>
    <message>
        <source>NoConnectionToTheTB9</source>
        <translatorcomment>No Bluetooth connection to the TB-9: its configuration cannot be read.</translatorcomment>
        <translation>Нет соединения Bluetooth с TB-9: невозможно прочитать его конфигурацию.</translation>
    </message>
    <message>
        <source>ReadingTheConfigurationOfTheTB9</source>
        <translatorcomment>Reading the configuration of the TB-9 ...</translatorcomment>
        <translation>Чтение конфигурации TB-9 ...</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerCompletely</source>
        <translatorcomment>The TB-9 did not answer completely: what came is shown.</translatorcomment>
        <translation>TB-9 ответил не полностью: показано то, что получено.</translation>
    </message>
    <message>
        <source>Muted</source>
        <translatorcomment>Muted</translatorcomment>
        <translation>Звук отключён</translation>
    </message>
    <message>
        <source>Listening</source>
        <translatorcomment>Listening</translatorcomment>
        <translation>Прослушивание</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>ChooseTheFileToInstall</source>
        <translatorcomment>Choose the update to install: tap it, or press OK.</translatorcomment>
        <translation>Выберите обновление для установки: коснитесь его или нажмите OK.</translation>
    </message>
    <message>
        <source>TheUpdateCannotBeStoredOnTheUnit</source>
        <translatorcomment>The update cannot be stored on the unit. Nothing was installed.</translatorcomment>
        <translation>Не удаётся сохранить обновление на приборе. Ничего не установлено.</translation>
    </message>
    <message>
        <source>TheFileIsNoLongerOnTheDataPartition</source>
        <translatorcomment>The file is no longer on the data storage.</translatorcomment>
        <translation>Файла больше нет в памяти данных.</translation>
    </message>
    <message>
        <source>TheFileNameHoldsNoUsableVersion</source>
        <translatorcomment>The file name holds no usable version (up to 16 letters, digits and dots).</translatorcomment>
        <translation>Имя файла не содержит пригодной версии (до 16 букв, цифр и точек).</translation>
    </message>
    <message>
        <source>TheFileIsEmpty</source>
        <translatorcomment>The file is empty.</translatorcomment>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>TheFileIsTooLargeForTheTB9</source>
        <translatorcomment>The file is too large for the TB-9 (at most 64000 bytes).</translatorcomment>
        <translation>Файл слишком велик для TB-9 (не более 64000 байт).</translation>
    </message>
    <message>
        <source>TheFileCannotBeRead</source>
        <translatorcomment>The file cannot be read.</translatorcomment>
        <translation>Не удаётся прочитать файл.</translation>
    </message>
    <message>
        <source>TheUpdateFileWasNotCopiedCompletely</source>
        <translatorcomment>The update file could not be copied completely. Nothing was installed.</translatorcomment>
        <translation>Не удалось полностью скопировать файл обновления. Ничего не установлено.</translation>
    </message>
    <message>
        <source>TheUnitCannotBePreparedForTheUpdate</source>
        <translatorcomment>The unit cannot be prepared for the update. Nothing was installed.</translatorcomment>
        <translation>Не удаётся подготовить прибор к обновлению. Ничего не установлено.</translation>
    </message>
    <message>
        <source>TheTB9NowRunsVersion</source>
        <translatorcomment>The TB-9 now runs version %1.</translatorcomment>
        <translation>На TB-9 теперь установлена версия %1.</translation>
    </message>
    <message>
        <source>TheTB9DidNotAnswerTheUpdateWasStopped</source>
        <translatorcomment>The TB-9 did not answer. The update was stopped.</translatorcomment>
        <translation>TB-9 не ответил. Обновление прервано.</translation>
    </message>
    <message>
        <source>TheTB9RefusedTheUpdate</source>
        <translatorcomment>The TB-9 refused the update. The update was stopped.</translatorcomment>
        <translation>TB-9 отклонил обновление. Обновление прервано.</translation>
    </message>
    <message>
        <source>TheTB9RestartedDuringTheTransfer</source>
        <translatorcomment>The TB-9 restarted during the transfer. The update was stopped.</translatorcomment>
        <translation>TB-9 перезапустился во время передачи. Обновление прервано.</translation>
    </message>
    <message>
        <source>TheTB9DidNotRestartAfterTheTransfer</source>
        <translatorcomment>The TB-9 did not restart after the transfer. Check its version on the TB-9 page.</translatorcomment>
        <translation>TB-9 не перезапустился после передачи. Проверьте его версию на странице TB-9.</translation>
    </message>
    <message>
        <source>TheTB9RestartedButDidNotReportItsVersion</source>
        <translatorcomment>The TB-9 restarted but did not report its version. Check it on the TB-9 page.</translatorcomment>
        <translation>TB-9 перезапустился, но не сообщил свою версию. Проверьте её на странице TB-9.</translation>
    </message>
    <message>
        <source>TheTB9ReportsAnotherVersion</source>
        <translatorcomment>After the update the TB-9 reports version %1, not %2.</translatorcomment>
        <translation>После обновления TB-9 сообщает версию %1, а не %2.</translation>
    </message>
    <message>
        <source>TheTB9UpdateWasCancelled</source>
        <translatorcomment>The update of the TB-9 was cancelled.</translatorcomment>
        <translation>Обновление TB-9 отменено.</translation>
    </message>
    <message>
        <source>UnitFromTo</source>
        <translatorcomment>Unit: %1 → %2</translatorcomment>
        <translation>Прибор: %1 → %2</translation>
    </message>
    <message>
        <source>TB9FromTo</source>
        <translatorcomment>TB-9: %1 → %2</translatorcomment>
        <translation>TB-9: %1 → %2</translation>
    </message>
    <message>
        <source>NoFirmwareFileOnTheDataPartition</source>
        <translatorcomment>No update file on the data storage (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translatorcomment>
        <translation>В памяти данных нет файла обновления (FW_VQA4100_*.vq4, FW_TB9_*.tb9).</translation>
    </message>
    <message>
        <source>InstallVersionOnTheUnit</source>
        <translatorcomment>Install version %1 on the unit? The unit restarts to install it.</translatorcomment>
        <translation>Установить версию %1 на прибор? Для установки прибор перезапустится.</translation>
    </message>
    <message>
        <source>InstallVersionOnTheTB9</source>
        <translatorcomment>Install version %1 on the TB-9? Keep the TB-9 switched on and near the unit.</translatorcomment>
        <translation>Установить версию %1 на TB-9? Держите TB-9 включённым и рядом с прибором.</translation>
    </message>
    <message>
        <source>CopyingTheUpdateFile</source>
        <translatorcomment>Copying the update file...</translatorcomment>
        <translation>Копирование файла обновления...</translation>
    </message>
    <message>
        <source>TheUnitRestartsToInstallTheUpdate</source>
        <translatorcomment>The unit restarts to install the update.</translatorcomment>
        <translation>Прибор перезапускается для установки обновления.</translation>
    </message>
    <message>
        <source>TheUnitCouldNotBeRestarted</source>
        <translatorcomment>The unit could not be restarted.</translatorcomment>
        <translation>Не удалось перезапустить прибор.</translation>
    </message>
    <message>
        <source>SendingTheUpdateToTheTB9</source>
        <translatorcomment>Sending the update to the TB-9... Back stops it.</translatorcomment>
        <translation>Передача обновления на TB-9... Для отмены нажмите «Назад».</translation>
    </message>
    <message>
        <source>PleaseWaitUntilTheCopyHasFinished</source>
        <translatorcomment>Please wait until the copy has finished.</translatorcomment>
        <translation>Дождитесь окончания копирования.</translation>
    </message>
    <message>
        <source>TheTB9IsNotConnected</source>
        <translatorcomment>No Bluetooth connection to the TB-9: the update cannot be sent.</translatorcomment>
        <translation>Нет соединения Bluetooth с TB-9: невозможно отправить обновление.</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>ProgramVersion</source>
        <translatorcomment>Program</translatorcomment>
        <translation>Программа</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translatorcomment>Hardware</translatorcomment>
        <translation>Аппаратная часть</translation>
    </message>
    <message>
        <source>BluetoothModules</source>
        <translatorcomment>Bluetooth modules</translatorcomment>
        <translation>Модули Bluetooth</translation>
    </message>
    <message>
        <source>HeadphoneModuleAddress</source>
        <translatorcomment>Headset module</translatorcomment>
        <translation>Модуль гарнитуры</translation>
    </message>
    <message>
        <source>HeadphoneModuleFirmware</source>
        <translatorcomment>Headset firmware</translatorcomment>
        <translation>Прошивка гарнитуры</translation>
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
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>ProductionDate</source>
        <translatorcomment>Production date</translatorcomment>
        <translation>Дата изготовления</translation>
    </message>
    <message>
        <source>BatteryCharge</source>
        <translatorcomment>Battery charge</translatorcomment>
        <translation>Заряд аккумулятора</translation>
    </message>
    <message>
        <source>BatteryVoltage</source>
        <translatorcomment>Battery voltage</translatorcomment>
        <translation>Напряжение аккумулятора</translation>
    </message>
    <message>
        <source>BatteryCurrent</source>
        <translatorcomment>Battery current</translatorcomment>
        <translation>Ток аккумулятора</translation>
    </message>
    <message>
        <source>BatteryTemperature</source>
        <translatorcomment>Battery temperature</translatorcomment>
        <translation>Температура аккумулятора</translation>
    </message>
    <message>
        <source>Charging</source>
        <translatorcomment>Charging</translatorcomment>
        <translation>Зарядка</translation>
    </message>
    <message>
        <source>SystemMemory</source>
        <translatorcomment>System memory</translatorcomment>
        <translation>Системная память</translation>
    </message>
    <message>
        <source>DataMemory</source>
        <translatorcomment>Data storage</translatorcomment>
        <translation>Память данных</translation>
    </message>
    <message>
        <source>DeveloperFeatures</source>
        <translatorcomment>Developer features</translatorcomment>
        <translation>Функции разработчика</translation>
    </message>
    <message>
        <source>DeveloperFeaturesInfo</source>
        <translatorcomment>Shows the debug and test menus on the main page and logs the system state to the data storage.</translatorcomment>
        <translation>Показывает меню отладки и тестирования на главной странице и записывает состояние системы в память данных.</translation>
    </message>
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
    <message>
        <source>SwitchingThemOnAsksForTheDeveloperCode</source>
        <translatorcomment>Switching them on asks for the developer code.</translatorcomment>
        <translation>Для их включения требуется код разработчика.</translation>
    </message>
    <message>
        <source>TheCodeIsWrongTheDeveloperFeaturesStayOff</source>
        <translatorcomment>The code is wrong. The developer features stay off.</translatorcomment>
        <translation>Неверный код. Функции разработчика остаются выключенными.</translation>
    </message>
</context>
</TS>
