#ifndef FIRMWAREUPDATE_H
#define FIRMWAREUPDATE_H

#include "Management/accessoryupdate.h"
#include "Management/firmwarefiles.h"
#include "servicedialog.h"

#include <QList>
#include <QString>
#include <QThread>

#include <functional>

class FileCopyThread;
class QListWidgetItem;
class QTimer;

namespace Ui {
class Firmwareupdate;
}

// Firmware update of the unit and of the TB-9 accessory from the files on the
// data partition, each listed with its version beside the one running. The
// operator picks one (a tap, or OK on the focused row) and confirms it.
// The unit's file is copied into the staging folder on a worker thread and
// the unit restarts to flash it; the TB-9's goes over its text link.
class Firmwareupdate : public ServiceDialog
{
    Q_OBJECT
public:
    static constexpr int kProgressMs = 500;

    explicit Firmwareupdate(QWidget* parent = nullptr);
    ~Firmwareupdate() override;

    // How the copy worker is made (tests put in one that fails on cue); an
    // empty one restores the plain worker.
    using CopierFactory = std::function<FileCopyThread*()>;
    static void setCopierFactory(CopierFactory factory);

signals:
    void startCopy(QString sourceFile, QString targetFile);

protected:
    void showEvent(QShowEvent* event) override;
    void leave() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void copyResult(bool success);
    void copyFinished();
    void showProgress();
    void showAccessoryVersion(QString version);
    void accessoryFinished(AccessoryUpdate::Outcome outcome, QString reported);
    void choose(QListWidgetItem* item);

private:
    void refresh();
    bool isBusy() const;
    bool confirmed(const FirmwareFiles::File& file);
    void updateUnit(const FirmwareFiles::File& file);
    void updateAccessory(const FirmwareFiles::File& file);
    void finishProgress(int percent);
    void warn(const char* key);
    // The accessory's module while its text link is up, else nullptr (the
    // second one tells the operator).
    Bluetooth* linkedSink() const;
    Bluetooth* reachableSink();

    Ui::Firmwareupdate* ui;
    QThread m_copyThread;
    FileCopyThread* m_copier;
    QTimer* m_progressTimer;
    AccessoryUpdate* m_accessoryUpdate = nullptr;
    QList<FirmwareFiles::File> m_files;
    QString m_accessoryVersion;
    FirmwareFiles::File m_staging;
    bool m_copying = false;
    bool m_copyOk = false;
    bool m_shown = false;
};

#endif
