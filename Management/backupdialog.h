#ifndef BACKUPDIALOG_H
#define BACKUPDIALOG_H

#include "modalplaceholder.h"

namespace Ui {
class BackupDialog;
}

// The USB mass-storage connection to a PC (backup and service files).
class BackupDialog : public ModalPlaceholder
{
    Q_OBJECT
public:
    explicit BackupDialog(QWidget* parent = nullptr);
    ~BackupDialog() override;

private:
    // Filled by the device-service work: the gadget driver, the connection
    // state and the service files.
    Ui::BackupDialog* ui;
};

#endif
