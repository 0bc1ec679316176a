#ifndef MEASMANAGEMENT_H
#define MEASMANAGEMENT_H

#include "storedmeasurement.h"

#include <QList>
#include <QString>
#include <QWidget>

class QKeyEvent;

namespace Ui {
class MeasManagement;
}

// The stored-measurement browser (widget 7): the stored measurements newest
// first, with the count against the limit. Up and Down move the selection,
// past the first or last row on to the menu column, whose arrows move it
// with wrap; OK on a row or Open opens it in its screen's stored view
// (gotoWidget(screen, -1, 1)), Edit renames or deletes it; Back and the IO
// key leave to the main menu. Every visit lists the directory anew and keeps
// the selection by name.
class MeasManagement : public QWidget
{
    Q_OBJECT
public:
    explicit MeasManagement(QWidget* parent = nullptr);
    ~MeasManagement() override;

    // The directory name of the selected measurement, without its path; ""
    // for one that its name does not lead to alone.
    QString getSelectedMeasurementDir() const { return m_selectedMeasurementDir; }
    void setSelectedMeasurementDir(QString dir) { m_selectedMeasurementDir = dir; }

    // Type, date, time and name of a row, in the unit's date format.
    static QStringList rowTexts(const StoredMeasurement& entry);

public slots:
    // Refills the list.
    void init(int param, bool flag);

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butMenuUp_clicked();
    void on_butMenuDown_clicked();
    void on_butMenuOpen_clicked();
    void on_butMenuEdit_clicked();
    void on_butMenuBack_clicked();

private:
    // Lists the directory; the selection stays on its name, else on the row
    // at `fallbackRow` (or the last).
    void fill(int fallbackRow = 0);
    void fitColumns();
    void select(int row);
    void move(int step);
    // The hardware keys; false for a key left to the widget.
    bool handleKey(QKeyEvent* event);
    void retranslate();
    const StoredMeasurement* current() const;

    Ui::MeasManagement* ui;
    QList<StoredMeasurement> m_entries;
    QString m_selectedMeasurementDir;
};

#endif
