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
    // exec()'s result when the menu closed to open a screen that the main
    // window shows after it (the menu may run before the event loop does).
    enum Result { OpenPressureSensor = 2 };

    explicit DebugMenu(QWidget* parent = nullptr);
    ~DebugMenu() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void on_butPressureSensor_clicked();

private:
    // Filled by the debug-menu work: codec and Bluetooth gains, level/FFT and
    // the Bluetooth command screens.
    Ui::DebugMenu* ui;
};

#endif
