#include "firmwareupdate.h"
#include "ui_firmwareupdate.h"

#include <QCoreApplication>

Firmwareupdate::Firmwareupdate(QWidget* parent)
    : ServiceDialog(parent), ui(new Ui::Firmwareupdate)
{
    ui->setupUi(this);
    ui->labelTitle->setText(QCoreApplication::translate("Management", "Update"));
}

Firmwareupdate::~Firmwareupdate()
{
    delete ui;
}
