#ifndef MEASMANAGEMENTEDIT_H
#define MEASMANAGEMENTEDIT_H

#include "servicedialog.h"
#include "storedmeasurement.h"

namespace Ui {
class MeasManagementEdit;
}

// Renames or deletes one stored measurement, opened from the browser's Edit.
// Rename asks for the new name on the keyboard; Delete asks Yes or No. The
// dialog closes after a change or a failure (the browser then lists what is
// on disk) and stays open after a refused name. Back and the IO key close it.
class MeasManagementEdit : public ServiceDialog
{
    Q_OBJECT
public:
    explicit MeasManagementEdit(QWidget* parent = nullptr);
    ~MeasManagementEdit() override;

    void setMeasurement(const StoredMeasurement& entry);
    // Its directory name afterwards; "" once deleted, or for one that its
    // name does not lead to alone.
    QString getMeasurementDir() const { return m_entry.exactName(); }

private slots:
    void on_butRename_clicked();
    void on_butDelete_clicked();

private:
    // After a dialog of its own: false when the IO key has left the screen
    // behind, and this dialog with it.
    bool stillWanted();
    // Shows the failure, if any; closes unless the name was refused.
    void conclude(const StoredMeasurement::Result& result);

    Ui::MeasManagementEdit* ui;
    StoredMeasurement m_entry;
};

#endif
