#ifndef FIRMWAREUPDATE_H
#define FIRMWAREUPDATE_H

#include "servicedialog.h"

#include <QString>

namespace Ui {
class Firmwareupdate;
}

// Firmware update of the unit and of the TB-9 accessory from files on the
// mass storage.
class Firmwareupdate : public ServiceDialog
{
    Q_OBJECT
public:
    explicit Firmwareupdate(QWidget* parent = nullptr);
    ~Firmwareupdate() override;

signals:
    void startCopy(QString sourceFile, QString targetFile);

private:
    // Filled by the firmware-update work: the FileCopyThread worker on its
    // own QThread (startCopy to copyFile, copyFinished back), the progress
    // timer and the update steps.
    Ui::Firmwareupdate* ui;
};

#endif
