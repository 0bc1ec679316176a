#include "backupdialog.h"
#include "Hardware/massstorage.h"
#include "Tools/messagedialog.h"
#include "ui_backupdialog.h"

#include <QPixmap>
#include <QTimer>

BackupDialog::BackupDialog(QWidget* parent)
    : ServiceDialog(parent), ui(new Ui::BackupDialog)
{
    ui->setupUi(this);
    ui->labelTitle->setText(QStringLiteral("USB <> PC"));
    ui->butConnect->setToolTip(tr("ConnectToThePC"));
    showState();
}

BackupDialog::~BackupDialog()
{
    // However the page goes, the partition does not stay with the PC.
    MassStorage::takeBack();
    delete ui;
}

void BackupDialog::showState()
{
    const bool lent = MassStorage::isLent();
    ui->labelPicture->setPixmap(QPixmap(lent ? ":/Resources/Icons/Management/Usb/UsbLent_120px.png"
                                             : ":/Resources/Icons/Management/Usb/UsbUnit_120px.png"));
    ui->labelInfo->setText(lent ? tr("ThePCHoldsTheDataPartitionEjectItThenPressBack")
                                : tr("TheDataPartitionIsOnTheUnit"));
    ui->butConnect->setEnabled(!lent);
}

// The button that opens the page asks for the connection: the question
// comes at once.
void BackupDialog::showEvent(QShowEvent* event)
{
    ServiceDialog::showEvent(event);
    if (!m_asked) {
        m_asked = true;
        QTimer::singleShot(0, this, &BackupDialog::on_butConnect_clicked);
    }
}

void BackupDialog::on_butConnect_clicked()
{
    if (m_asking || MassStorage::isLent() || !isVisible())
        return;
    m_asking = true;
    const bool yes = askYesNo(QStringLiteral("USB <> PC"), tr("ConnectTheDataPartitionToThePC"));
    m_asking = false;
    // Closed meanwhile: nothing is lent.
    if (!yes || !isVisible())
        return;

    switch (MassStorage::lend()) {
    case MassStorage::Loan::Lent:
        break;
    case MassStorage::Loan::Busy:
        MessageDialog::showWarningText(this, tr("TheDataPartitionIsInUseAndStaysOnTheUnit"));
        break;
    case MassStorage::Loan::NoGadget:
        MessageDialog::showWarningText(this, tr("TheUSBConnectionCouldNotBeStarted"));
        break;
    }
    showState();
}

void BackupDialog::leave()
{
    if (!MassStorage::takeBack()) {
        MessageDialog::showWarningText(this, tr("TheUSBConnectionCouldNotBeEnded"));
        return;
    }
    reject();
}
