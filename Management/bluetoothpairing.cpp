#include "bluetoothpairing.h"
#include "Hardware/bluetooth.h"
#include "Management/systemsettings.h"
#include "Tools/fittext.h"
#include "mainmenu.h"
#include "ui_bluetoothpairing.h"

#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

namespace {

QString buttonStyle(const char* icon)
{
    return QString("QPushButton {image: url(:/Resources/Icons/Allgemein/%1_ws_44px.png); "
                   "image-position: left; padding: 5px; border: 0px; text-align: center;}\n"
                   "QPushButton:pressed {image: url(:/Resources/Icons/Allgemein/%1_sw_44px.png);}")
        .arg(icon);
}

}

BluetoothPairing::BluetoothPairing(QWidget* parent)
    : QDialog(parent), ui(new Ui::BluetoothPairing)
{
    ui->setupUi(this);
    ui->butSearch->setToolTip(tr("SearchBluetoothDevices"));
    ui->butCancel->setToolTip(tr("Cancel"));
    ui->butInfo->setToolTip(QStringLiteral("ShowBluetoothInfos"));
    ui->label->setText(tr("FoundBluetoothDevices"));

    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (hub) {
        m_btSource = hub->getBtSourceInstance();
        m_btSink = hub->getBtSinkInstance();
    }
    for (Bluetooth* m : {m_btSink, m_btSource}) {
        if (m)
            connect(m, &Bluetooth::btPairingOk, this, &BluetoothPairing::pairingOkReceived,
                    Qt::UniqueConnection);
    }

    ui->mainArea->setCurrentIndex(0);
    m_currentPage = 1;
    m_pairingDevice = 0;
    setProgress(100, 0);
    m_stylesheetMic = buttonStyle("Microphone");
    m_stylesheetHp = buttonStyle("Headphone");
    ui->butBtDev_1->hide();
    ui->butBtDev_2->hide();
    ui->butBtDev_3->hide();
    ui->prgbSearching->hide();

    if (g_debugFeatures == 1) {
        Systemsettings* settings = hub ? hub->getInstanceSystemsettings() : nullptr;
        QString text = "Enable pairing mode\nand press Search-Button ...\n";
        if (settings) {
            text += "\nCurrent microphone:\n" + settings->getBtIdMicrophone() + "\n"
                    + settings->getBtNameMicrophone() + "\n";
            text += "\nCurrent headphone:\n" + settings->getBtIdHeadphone() + "\n"
                    + settings->getBtNameHeadphone() + "\n";
        }
        ui->label->setText(text);
        ui->labelPairingInfo->hide();
    } else {
        ui->label->setText(tr("EnablePairingModeAndPressSearchButton"));
    }
    for (Bluetooth* m : {m_btSink, m_btSource}) {
        if (m)
            m->clearData();
    }

    auto makeTimer = [this](const char* name, void (BluetoothPairing::*slot)()) {
        auto* t = new QTimer(this);
        t->setObjectName(name);
        connect(t, &QTimer::timeout, this, slot);
        return t;
    };
    m_timer = makeTimer("timerSearch", &BluetoothPairing::updateProgbar);
    m_timerWaitForName = makeTimer("timerWaitForName", &BluetoothPairing::waitForName);
    m_timerPairing = makeTimer("timerPairing", &BluetoothPairing::waitForPairing);
    m_timerWaitForDisconnect = makeTimer("timerWaitForDisconnect",
                                         &BluetoothPairing::pairBtDeviceIfDisconnected);
}

BluetoothPairing::~BluetoothPairing()
{
    stopPhaseTimers();
    delete m_timer;
    delete m_timerWaitForName;
    delete m_timerPairing;
    delete m_timerWaitForDisconnect;
    delete ui;
}

Bluetooth* BluetoothPairing::module() const
{
    return m_pairingDevice == 1 ? m_btSink : m_btSource;
}

void BluetoothPairing::setPairingDevice(int device)
{
    m_pairingDevice = device == 1 ? 1 : 0;
    ui->labelPairingInfo->setStyleSheet(
        m_pairingDevice == 1 ? "image: url(:/Resources/Icons/Management/Bluetooth/PairingInfo_TB-9.png);"
                             : "image: url(:/Resources/Icons/Management/Bluetooth/PairingInfo_HP.png);");
    ui->labelPairingInfo->setVisible(g_debugFeatures != 1);
    if (Bluetooth* m = module())
        m->disconnectBtDevice();
}

QString BluetoothPairing::getBluetoothId() const
{
    return m_bluetoothIdButton[qBound(0, m_selBtDevice, 2)];
}

QString BluetoothPairing::getBluetoothName() const
{
    return m_bluetoothNameButton[qBound(0, m_selBtDevice, 2)];
}

bool BluetoothPairing::fitsMask(const QString& classOfDevice, int mask)
{
    bool ok = false;
    const int value = classOfDevice.left(4).toInt(&ok, 16);
    return ok && (value & mask) == mask;
}

void BluetoothPairing::stopPhaseTimers()
{
    m_timer->stop();
    m_timerWaitForName->stop();
    m_timerPairing->stop();
    m_timerWaitForDisconnect->stop();
    m_pairingRunning = false;
}

// A phase under way shows its progress beneath the status line, so its
// status keeps to that one line: smaller if need be, cut short with "…"
// past the smallest size. A result (devices found or none, pairing failed)
// has the room down to the device buttons to wrap into.
void BluetoothPairing::showStatus(const QString& text, bool phaseRunning)
{
    QLabel* status = ui->label;
    QFont font = status->parentWidget()->font();
    QString shown = text;
    if (phaseRunning) {
        font = FitText::fitting(font, text, status->width());
        shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, status->width());
    }
    status->setFont(font);
    status->setText(shown);
    ui->prgbSearching->setVisible(phaseRunning);
}

void BluetoothPairing::setProgress(int maximum, int value)
{
    ui->prgbSearching->setMaximum(maximum);
    ui->prgbSearching->setValue(value);
}

void BluetoothPairing::on_butSearch_clicked()
{
    Bluetooth* m = module();
    if (!m)
        return;
    stopPhaseTimers();
    ui->labelPairingInfo->hide();
    m_btSink->clearData();
    m_btSource->clearData();
    ui->textBluetoothRcv->clear();
    for (int i = 0; i < 10; ++i) {
        m_bluetoothIdInquiry[i].clear();
        m_bluetoothIdName[i].clear();
        m_bluetoothNameTmp[i].clear();
        m_bluetoothName[i].clear();
        m_bluetoothClass[i].clear();
    }
    showStatus(tr("Searching") + " ...", true);
    ui->butBtDev_1->hide();
    ui->butBtDev_2->hide();
    ui->butBtDev_3->hide();
    appendInfo("Start Inquiry\n", Qt::red);
    m->startInquiry();
    m_milliseconds = 0;
    setProgress(kSearchMs, 0);
    m_timer->start(kTickMs);
}

void BluetoothPairing::updateProgbar()
{
    m_milliseconds += kTickMs;
    ui->prgbSearching->setValue(m_milliseconds);
    updateBtInfo();
    if (m_milliseconds < kSearchMs)
        return;
    m_timer->stop();
    module()->stopInquiry();
    m_waitForName = module()->waitForName();
    if (m_waitForName) {
        m_milliseconds = 0;
        showStatus(tr("ReadingName") + " ...", true);
        setProgress(kNameMs, 0);
        m_timerWaitForName->start(kTickMs);
    } else {
        analyseReceivedData();
    }
}

void BluetoothPairing::waitForName()
{
    m_milliseconds += kTickMs;
    ui->prgbSearching->setValue(m_milliseconds);
    updateBtInfo();
    m_waitForName = module()->waitForName();
    if (m_milliseconds >= kNameMs || !m_waitForName) {
        m_timerWaitForName->stop();
        ui->prgbSearching->setValue(0);
        analyseReceivedData();
    }
}

void BluetoothPairing::analyseReceivedData()
{
    Bluetooth* m = module();
    for (int i = 0; i < 10; ++i) {
        m_bluetoothIdInquiry[i] = m->btDevicesFromInquiry[i].btId;
        m_bluetoothName[i] = m->btDevicesFromInquiry[i].btName;
        m_bluetoothClass[i] = m->btDevicesFromInquiry[i].cod;
        qDebug() << "Inquiry IDs: " << i << m_bluetoothIdInquiry[i] << m_bluetoothName[i];
    }
    SettingsButton* buttons[3] = {ui->butBtDev_1, ui->butBtDev_2, ui->butBtDev_3};
    const int mask = m_pairingDevice == 1 ? kAccessoryMask : kHeadsetMask;
    int k = 0;
    for (int i = 0; i < 10 && k < 3; ++i) {
        if (m_bluetoothIdInquiry[i].isEmpty() || !fitsMask(m_bluetoothClass[i], mask))
            continue;
        m_bluetoothIdButton[k] = m_bluetoothIdInquiry[i];
        m_bluetoothNameButton[k] = m_bluetoothName[i];
        const QString value = g_debugFeatures == 1
                                  ? m_bluetoothIdInquiry[i] + "   " + m_bluetoothClass[i]
                                  : m_bluetoothIdInquiry[i];
        buttons[k]->setText2(m_bluetoothName[i], value);
        buttons[k]->setStyleSheet(m_pairingDevice == 1 ? m_stylesheetMic : m_stylesheetHp);
        buttons[k]->show();
        ++k;
    }
    showStatus(k > 0 ? tr("SelectDeviceForPairing") : tr("NoDevicesFoundTryAgain"), false);
}

void BluetoothPairing::on_butBtDev_1_clicked() { pairBtDevice(0); }
void BluetoothPairing::on_butBtDev_2_clicked() { pairBtDevice(1); }
void BluetoothPairing::on_butBtDev_3_clicked() { pairBtDevice(2); }

void BluetoothPairing::pairBtDevice(int index)
{
    stopPhaseTimers();
    showStatus(tr("PairingDevice") + " ...", true);
    m_selBtDevice = index;
    if (module()->isStateDisconnected()) {
        pairBtDeviceIfDisconnected();
        return;
    }
    module()->disconnectBtDevice();
    m_timerWaitForDisconnect->start(kDisconnectPollMs);
}

void BluetoothPairing::pairBtDeviceIfDisconnected()
{
    m_timerWaitForDisconnect->stop();
    Bluetooth* m = module();
    if (!m->isStateDisconnected()) {
        m_timerWaitForDisconnect->start(kDisconnectPollMs);
        return;
    }
    m->clearAllPairings();
    const QString address = m_bluetoothIdButton[m_selBtDevice];
    appendInfo(QString(), Qt::black);
    appendInfo("PAIR " + address + "\n", Qt::darkGreen);
    m_pairingRunning = true;
    m->pairWithBtDevice(address);
    m_milliseconds = 0;
    setProgress(kPairingMs, 0);
    m_timerPairing->start(kTickMs);
}

void BluetoothPairing::waitForPairing()
{
    m_milliseconds += kTickMs;
    ui->prgbSearching->setValue(m_milliseconds);
    updateBtInfo();
    if (m_milliseconds < kPairingMs)
        return;
    m_timerPairing->stop();
    m_pairingRunning = false;
    if (module()->isPairOk(m_bluetoothIdButton[m_selBtDevice])) {
        accept();
        return;
    }
    showStatus(tr("PairingNotSuccessfulPleaseTryAgain"), false);
}

void BluetoothPairing::pairingOkReceived()
{
    auto* from = qobject_cast<Bluetooth*>(sender());
    if (!m_pairingRunning || (from && from != module())) {
        qDebug() << "Pairing OK ignored:"
                 << (m_pairingRunning ? "from the other module" : "no pairing of this dialog runs");
        return;
    }
    qDebug() << "Pairing OK received";
    m_timerPairing->stop();
    m_pairingRunning = false;
    updateBtInfo();
    ui->prgbSearching->setValue(ui->prgbSearching->maximum());
    accept();
}

void BluetoothPairing::updateBtInfo()
{
    const QString fromSink = m_btSink ? m_btSink->getData().trimmed() : QString();
    if (!fromSink.isEmpty())
        appendInfo(fromSink, Qt::black);
    const QString fromSource = m_btSource ? m_btSource->getData().trimmed() : QString();
    if (!fromSource.isEmpty())
        appendInfo(fromSource, Qt::blue);
}

void BluetoothPairing::appendInfo(const QString& text, const QColor& color)
{
    ui->textBluetoothRcv->setTextColor(color);
    ui->textBluetoothRcv->append(text);
}

void BluetoothPairing::on_butCancel_clicked()
{
    stopPhaseTimers();
    ui->labelPairingInfo->hide();
    if (m_btSource)
        m_btSource->clearData();
    if (m_btSink) {
        m_btSink->clearData();
        m_btSink->stopInquiry();
    }
    if (m_btSource)
        m_btSource->stopInquiry();
    reject();
}

void BluetoothPairing::on_butInfo_clicked()
{
    m_currentPage = m_currentPage == 1 ? 2 : 1;
    ui->mainArea->setCurrentIndex(m_currentPage - 1);
}

void BluetoothPairing::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void BluetoothPairing::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            on_butCancel_clicked();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
