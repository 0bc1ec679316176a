#include "testmenu.h"
#include "ui_testmenu.h"

#include <QKeyEvent>

bool g_hardwareTestActive = false;
bool g_productionTestEnabled = false;

TestMenu::TestMenu(QWidget* parent)
    : QDialog(parent), ui(new Ui::TestMenu)
{
    g_productionTestEnabled = true;
    ui->setupUi(this);
    ui->labelTitle->setText(QStringLiteral("TEST"));
}

TestMenu::~TestMenu()
{
    delete ui;
}

void TestMenu::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
