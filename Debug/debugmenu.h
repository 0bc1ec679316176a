#ifndef DEBUGMENU_H
#define DEBUGMENU_H

#include <QDialog>

class QKeyEvent;

namespace Ui {
class DebugMenu;
}

// The developer menu. The IO key (its F11 press) closes it.
class DebugMenu : public QDialog
{
    Q_OBJECT
public:
    explicit DebugMenu(QWidget* parent = nullptr);
    ~DebugMenu() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Filled by the debug-menu work: codec and Bluetooth gains, level/FFT and
    // the Bluetooth command screens.
    Ui::DebugMenu* ui;
};

#endif
