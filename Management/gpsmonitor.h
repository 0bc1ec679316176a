#ifndef GPSMONITOR_H
#define GPSMONITOR_H

#include <QWidget>

class QKeyEvent;

namespace Ui {
class GpsMonitor;
}

// The GPS monitor screen (widget 10). Back and the IO key return to the main
// menu.
class GpsMonitor : public QWidget
{
    Q_OBJECT
public:
    explicit GpsMonitor(QWidget* parent = nullptr);
    ~GpsMonitor() override;

public slots:
    // Shows the first page; called on every visit.
    void init();

signals:
    void gotoWidget(int widget, int dir, int variant);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butMenuBack_clicked();

private:
    // Filled by the GPS work: the four pages (position, satellites, signal
    // levels, time).
    Ui::GpsMonitor* ui;
};

#endif
