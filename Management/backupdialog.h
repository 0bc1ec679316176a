#ifndef BACKUPDIALOG_H
#define BACKUPDIALOG_H

#include "servicedialog.h"

namespace Ui {
class BackupDialog;
}

// The USB connection to a PC: after the operator confirms, the data
// partition is unmounted and lent to the PC as a USB drive; Back or the IO
// key ends the loan and mounts it on the unit again. The service files the
// PC leaves on it are not acted on here.
class BackupDialog : public ServiceDialog
{
    Q_OBJECT
public:
    explicit BackupDialog(QWidget* parent = nullptr);
    ~BackupDialog() override;

protected:
    void showEvent(QShowEvent* event) override;
    void leave() override;

private slots:
    void on_butConnect_clicked();

private:
    void showState();

    Ui::BackupDialog* ui;
    bool m_asked = false;
    bool m_asking = false;
};

#endif
