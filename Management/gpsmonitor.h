#ifndef GPSMONITOR_H
#define GPSMONITOR_H

#include "Hardware/gnssprotocol.h"

#include <QList>
#include <QTimer>
#include <QWidget>

class Gps;
class QKeyEvent;

namespace Ui {
class GpsMonitor;
}

// One bar of the signal page.
struct SatelliteBar {
    int prn = 0;
    int snr = -1;  // dB-Hz; -1: not tracked
    bool inUse = false;
};

// The bars that fit: those in use first, then the stronger, and how many
// satellites found no room.
struct SatelliteBars {
    QList<SatelliteBar> shown;
    int more = 0;

    // A satellite in use but not in view still gets its bar.
    static SatelliteBars choose(const QList<GnssSatellite>& inView, const QList<GnssSatellite>& inUse,
                                int room);
};

// Signal levels, one bar per satellite with its PRN below and its SNR above;
// those in use green.
class SnrBarChart : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSlotWidth = 25;
    static constexpr int kFullScaleSnr = 50;

    explicit SnrBarChart(QWidget* parent = nullptr);
    int room() const { return width() / kSlotWidth; }
    void setBars(const QList<SatelliteBar>& bars);
    QList<SatelliteBar> bars() const { return m_bars; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<SatelliteBar> m_bars;
};

// The GPS monitor screen (widget 10): position, satellites, time and the
// receiver's line, one page each; Up and Down turn them round. Back and the
// IO key return to the main menu. What the receiver does not have reads
// "---".
class GpsMonitor : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kPageCount = 4;
    static constexpr int kRefreshMs = 1000;
    static constexpr const char* kNoValue = "---";

    explicit GpsMonitor(QWidget* parent = nullptr);
    ~GpsMonitor() override;

    int currentPage() const { return m_currentPage; }
    bool isRefreshing() const { return m_refreshTimer.isActive(); }

    // "48.137154° N": six decimals and the hemisphere of the sign.
    static QString coordinateText(double degrees, char positive, char negative);

public slots:
    // Shows the first page; called on every visit.
    void init();
    // Reads the receiver into every page.
    void refresh();

signals:
    void gotoWidget(int widget, int dir, int variant);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    void on_butMenuUp_clicked();
    void on_butMenuBack_clicked();
    void on_butMenuDown_clicked();

private:
    void showPage(int page);
    // Up and Down; false for any other key.
    bool turnPage(int key);
    void retranslate();
    void showTime(const Gps* gps);
    void showReceiver(const Gps* gps);

    Ui::GpsMonitor* ui;
    QTimer m_refreshTimer;
    int m_currentPage = 1;
};

#endif
