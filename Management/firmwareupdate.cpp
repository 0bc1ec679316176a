#include "firmwareupdate.h"
#include "Hardware/accessoryprotocol.h"
#include "Hardware/bluetooth.h"
#include "Hardware/commandrunner.h"
#include "Management/servicetext.h"
#include "Management/systemsettings.h"
#include "Tools/filecopythread.h"
#include "Tools/messagedialog.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "ui_firmwareupdate.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QTimer>

namespace {

Firmwareupdate::CopierFactory& copierFactory()
{
    static Firmwareupdate::CopierFactory factory;
    return factory;
}

const char* outcomeKey(AccessoryUpdate::Outcome outcome)
{
    using O = AccessoryUpdate::Outcome;
    switch (outcome) {
    case O::Updated:
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheTB9NowRunsVersion");
    case O::NoAnswer:
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheTB9DidNotAnswerTheUpdateWasStopped");
    case O::Refused:
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheTB9RefusedTheUpdate");
    case O::Restarted:
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheTB9RestartedDuringTheTransfer");
    case O::NoRestart:
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheTB9DidNotRestartAfterTheTransfer");
    case O::Unconfirmed:
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheTB9RestartedButDidNotReportItsVersion");
    case O::OtherVersion:
        return QT_TRANSLATE_NOOP("Firmwareupdate", "TheTB9ReportsAnotherVersion");
    case O::Cancelled:
        break;
    }
    return QT_TRANSLATE_NOOP("Firmwareupdate", "TheTB9UpdateWasCancelled");
}

}

void Firmwareupdate::setCopierFactory(CopierFactory factory)
{
    copierFactory() = std::move(factory);
}

Firmwareupdate::Firmwareupdate(QWidget* parent)
    : ServiceDialog(parent), ui(new Ui::Firmwareupdate)
{
    ui->setupUi(this);
    ui->labelTitle->setText(QCoreApplication::translate("Management", "Update"));
    ui->listFiles->installEventFilter(this);
    connect(ui->listFiles, &QListWidget::itemClicked, this, &Firmwareupdate::choose);

    // The copy runs on a thread of its own; the worker lives there and goes
    // with it.
    m_copier = copierFactory() ? copierFactory()() : new FileCopyThread;
    m_copier->moveToThread(&m_copyThread);
    connect(&m_copyThread, &QThread::finished, m_copier, &QObject::deleteLater, Qt::UniqueConnection);
    connect(this, &Firmwareupdate::startCopy, m_copier, &FileCopyThread::copyFile, Qt::UniqueConnection);
    connect(m_copier, &FileCopyThread::copyResult, this, &Firmwareupdate::copyResult, Qt::UniqueConnection);
    connect(m_copier, &FileCopyThread::copyFinished, this, &Firmwareupdate::copyFinished,
            Qt::UniqueConnection);
    m_copyThread.start(QThread::InheritPriority);

    m_progressTimer = new QTimer(this);
    m_progressTimer->setObjectName("progressTimer");
    m_progressTimer->setInterval(kProgressMs);
    connect(m_progressTimer, &QTimer::timeout, this, &Firmwareupdate::showProgress);
}

Firmwareupdate::~Firmwareupdate()
{
    m_copyThread.quit();
    m_copyThread.wait();
    // A copy the dialog did not see to its end is not left for the next start.
    if (m_copying)
        FirmwareFiles::discardStaging(m_staging);
    delete ui;
}

Bluetooth* Firmwareupdate::linkedSink() const
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    Bluetooth* module = hub ? hub->getBtSinkInstance() : nullptr;
    return module && StatusbarData()->stateMicrophone() ? module : nullptr;
}

Bluetooth* Firmwareupdate::reachableSink()
{
    Bluetooth* module = linkedSink();
    if (!module)
        warn(QT_TRANSLATE_NOOP("Firmwareupdate", "TheTB9IsNotConnected"));
    return module;
}

// Started here, not in the constructor: a dialog that is only built (to read
// its texts) neither reads the partition nor asks the accessory.
void Firmwareupdate::showEvent(QShowEvent* event)
{
    ServiceDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (Bluetooth* module = linkedSink()) {
        connect(module, &Bluetooth::btFirmwareVersion, this, &Firmwareupdate::showAccessoryVersion,
                Qt::UniqueConnection);
        module->sendData(AccessoryProtocol::kConfigurationRequest);
    }
    refresh();
    ui->listFiles->setFocus();
}

void Firmwareupdate::refresh()
{
    m_files = FirmwareFiles::list();
    const QString accessory = m_accessoryVersion.isEmpty() ? QString(ServiceText::kMissing) : m_accessoryVersion;
    const int row = qMax(0, ui->listFiles->currentRow());
    ui->listFiles->clear();
    for (const FirmwareFiles::File& file : m_files) {
        const bool unit = file.kind == FirmwareFiles::Kind::Unit;
        const QString now = unit ? QString(Systemsettings::kFirmwareVersion) : accessory;
        const QString next = file.version.isEmpty() ? QString(ServiceText::kMissing) : file.version;
        const QString versions = unit ? tr("UnitFromTo").arg(now, next) : tr("TB9FromTo").arg(now, next);
        ui->listFiles->addItem(versions + '\n' + ServiceText::shown(file.name));
    }
    if (!m_files.isEmpty())
        ui->listFiles->setCurrentRow(qMin(row, m_files.size() - 1));
    ui->labelStatus->setText(m_files.isEmpty() ? tr("NoFirmwareFileOnTheDataPartition")
                                               : tr("ChooseTheFileToInstall"));
}

void Firmwareupdate::showAccessoryVersion(QString version)
{
    m_accessoryVersion = ServiceText::shown(version);
    if (!isBusy())
        refresh();
}

bool Firmwareupdate::isBusy() const
{
    return m_copying || (m_accessoryUpdate && m_accessoryUpdate->isRunning());
}

bool Firmwareupdate::eventFilter(QObject* watched, QEvent* event)
{
    // OK on the focused row chooses it at its release. The list never sees
    // it: its own search would jump to the first row.
    const bool release = event->type() == QEvent::KeyRelease;
    if (watched == ui->listFiles && (release || event->type() == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space) {
            if (release && !key->isAutoRepeat())
                choose(ui->listFiles->currentItem());
            return true;
        }
    }
    return ServiceDialog::eventFilter(watched, event);
}

void Firmwareupdate::choose(QListWidgetItem* item)
{
    const int row = item ? ui->listFiles->row(item) : -1;
    if (isBusy() || row < 0 || row >= m_files.size())
        return;
    const FirmwareFiles::File file = m_files.at(row);
    if (const char* why = FirmwareFiles::problem(file)) {
        warn(why);
        refresh();
        return;
    }
    const bool unit = file.kind == FirmwareFiles::Kind::Unit;
    if (!unit && !reachableSink())
        return;
    if (!confirmed(file))
        return;
    if (unit)
        updateUnit(file);
    else
        updateAccessory(file);
}

bool Firmwareupdate::confirmed(const FirmwareFiles::File& file)
{
    const QString question = file.kind == FirmwareFiles::Kind::Unit ? tr("InstallVersionOnTheUnit")
                                                                     : tr("InstallVersionOnTheTB9");
    const bool yes = askYesNo(ui->labelTitle->text(), question.arg(file.version), Yes::Destroys);
    // Closed meanwhile: nothing starts.
    return yes && isVisible();
}

void Firmwareupdate::warn(const char* key)
{
    MessageDialog::showWarningText(this, tr(key));
}

void Firmwareupdate::updateUnit(const FirmwareFiles::File& file)
{
    if (const char* why = FirmwareFiles::prepareStaging()) {
        warn(why);
        return;
    }
    qDebug() << "Firmware: copying" << file.name << file.size << "bytes";
    m_staging = file;
    m_copying = true;
    m_copyOk = false;
    ui->progressBar->setValue(0);
    ui->labelStatus->setText(tr("CopyingTheUpdateFile"));
    m_progressTimer->start();
    emit startCopy(FirmwareFiles::sourcePath(file), FirmwareFiles::stagedPath(file));
}

void Firmwareupdate::copyResult(bool success)
{
    m_copyOk = success;
}

void Firmwareupdate::copyFinished()
{
    if (!m_copying)
        return;
    m_copying = false;
    const char* why = m_copyOk ? FirmwareFiles::requestReboot(m_staging)
                               : QT_TRANSLATE_NOOP("Firmwareupdate", "TheUpdateFileWasNotCopiedCompletely");
    if (why) {
        FirmwareFiles::discardStaging(m_staging);
        finishProgress(0);
        warn(why);
        refresh();
        return;
    }
    finishProgress(100);
    ui->labelStatus->setText(tr("TheUnitRestartsToInstallTheUpdate"));
    // Runs on until the board takes it down.
    if (CommandRunner::execute("reboot") != 0)
        warn(QT_TRANSLATE_NOOP("Firmwareupdate", "TheUnitCouldNotBeRestarted"));
}

void Firmwareupdate::updateAccessory(const FirmwareFiles::File& file)
{
    // The link may have gone while the question was open.
    Bluetooth* module = reachableSink();
    if (!module)
        return;
    QByteArray image;
    if (const char* why = FirmwareFiles::readAccessoryImage(file, &image)) {
        warn(why);
        return;
    }
    if (!m_accessoryUpdate) {
        m_accessoryUpdate = new AccessoryUpdate(module, this);
        connect(m_accessoryUpdate, &AccessoryUpdate::finished, this, &Firmwareupdate::accessoryFinished);
        connect(module, &Bluetooth::btFirmwareVersion, this, &Firmwareupdate::showAccessoryVersion,
                Qt::UniqueConnection);
    }
    if (!m_accessoryUpdate->start(image, file.version))
        return;
    m_staging = file;
    ui->progressBar->setValue(0);
    ui->labelStatus->setText(tr("SendingTheUpdateToTheTB9"));
    m_progressTimer->start();
}

void Firmwareupdate::accessoryFinished(AccessoryUpdate::Outcome outcome, QString reported)
{
    const bool updated = outcome == AccessoryUpdate::Outcome::Updated;
    finishProgress(updated ? 100 : 0);
    QString text = tr(outcomeKey(outcome));
    if (updated)
        text = text.arg(reported);
    else if (outcome == AccessoryUpdate::Outcome::OtherVersion)
        text = text.arg(ServiceText::shown(reported), m_staging.version);
    refresh();
    MessageDialog message(this);
    message.setDialogType(MessageDialog::TypeOk);
    message.setIcon(updated ? MessageDialog::IconInformation : MessageDialog::IconWarning);
    message.setHeadline(ui->labelTitle->text());
    message.setInfotext(text);
    message.exec();
}

void Firmwareupdate::showProgress()
{
    ui->progressBar->setValue(m_copying ? m_copier->getProgress()
                                        : m_accessoryUpdate ? m_accessoryUpdate->progress() : 0);
}

void Firmwareupdate::finishProgress(int percent)
{
    m_progressTimer->stop();
    ui->progressBar->setValue(percent);
}

void Firmwareupdate::leave()
{
    // Nothing half-copied is left behind: the copy is seen to its end.
    if (m_copying) {
        ui->labelStatus->setText(tr("PleaseWaitUntilTheCopyHasFinished"));
        return;
    }
    if (m_accessoryUpdate)
        m_accessoryUpdate->cancel();
    ServiceDialog::leave();
}
