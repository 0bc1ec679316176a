#ifndef TESTMENU_H
#define TESTMENU_H

#include <QDialog>

class QKeyEvent;

// Set while the production key test runs: the key filter then passes the
// keys unchanged.
extern bool g_hardwareTestActive;
// Set once the production test menu has opened.
extern bool g_productionTestEnabled;

namespace Ui {
class TestMenu;
}

// The production test menu. The IO key (its F11 press) closes it.
class TestMenu : public QDialog
{
    Q_OBJECT
public:
    explicit TestMenu(QWidget* parent = nullptr);
    ~TestMenu() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Filled by the production-test work: the fourteen test screens and the
    // test station's mailbox.
    Ui::TestMenu* ui;
};

#endif
