#include "debugmenu.h"
#include "ui_debugmenu.h"

#include <QKeyEvent>

DebugMenu::DebugMenu(QWidget* parent)
    : QDialog(parent), ui(new Ui::DebugMenu)
{
    ui->setupUi(this);
    ui->labelTitle->setText(QStringLiteral("DBG"));
}

DebugMenu::~DebugMenu()
{
    delete ui;
}

void DebugMenu::on_butPressureSensor_clicked()
{
    done(OpenPressureSensor);
}

void DebugMenu::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
