#ifndef MEASMANAGEMENT_H
#define MEASMANAGEMENT_H

#include <QString>
#include <QWidget>

class QKeyEvent;

namespace Ui {
class MeasManagement;
}

// The stored-measurement browser (widget 7). Opens a stored measurement in
// its screen with gotoWidget(screen, -1, 1); Back and the IO key leave to the
// main menu.
class MeasManagement : public QWidget
{
    Q_OBJECT
public:
    explicit MeasManagement(QWidget* parent = nullptr);
    ~MeasManagement() override;

    // The directory name of the selected measurement, without its path.
    QString getSelectedMeasurementDir() const { return m_selectedMeasurementDir; }
    void setSelectedMeasurementDir(QString dir) { m_selectedMeasurementDir = dir; }

public slots:
    // Refills the list.
    void init(int param, bool flag);

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butMenuBack_clicked();
    void on_butOpenLevelmeasurement_clicked();
    void on_butOpenPinpointing_clicked();
    void on_butOpenLongtermmeasurement_clicked();
    void on_butOpenH2Sensor_clicked();
    void on_butOpenPipelocating_clicked();

private:
    // Filled by the device-service work: the list of stored measurements from
    // the measurement store, selection, renaming and deleting.
    Ui::MeasManagement* ui;
    QString m_selectedMeasurementDir;
};

#endif
