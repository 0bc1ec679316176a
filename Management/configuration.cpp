#include "configuration.h"
#include "ui_configuration.h"

#include <QCoreApplication>

Configuration::Configuration(QWidget* parent)
    : ModalPlaceholder(parent), ui(new Ui::Configuration)
{
    ui->setupUi(this);
    ui->labelTitle->setText(QCoreApplication::translate("Management", "TB-9"));
}

Configuration::~Configuration()
{
    delete ui;
}
