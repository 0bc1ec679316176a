#include "backupdialog.h"
#include "ui_backupdialog.h"

BackupDialog::BackupDialog(QWidget* parent)
    : ModalPlaceholder(parent), ui(new Ui::BackupDialog)
{
    ui->setupUi(this);
    ui->labelTitle->setText(QStringLiteral("USB <> PC"));
}

BackupDialog::~BackupDialog()
{
    delete ui;
}
