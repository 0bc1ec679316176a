#include "gpsmonitor.h"
#include "Hardware/gps.h"
#include "Hardware/systemclock.h"
#include "Management/systemsettings.h"
#include "mainmenu.h"
#include "screennumbers.h"
#include "ui_gpsmonitor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

const QColor kInUseColour(0x34, 0xc7, 0x59);
const QColor kNotInUseColour(0x7a, 0x82, 0x8c);
const char* const kFixStyle = "color: #34c759; font-size: 20px;";
const char* const kNoFixStyle = "color: #ff453a; font-size: 20px;";

// In the unit's date format; "---" for a time not known.
QString dateTimeText(const QDateTime& t)
{
    if (!t.isValid())
        return QString::fromLatin1(GpsMonitor::kNoValue);
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    const Systemsettings* settings = hub ? hub->getInstanceSystemsettings() : nullptr;
    return t.toString(settings ? settings->getFormatStringDate() + ' ' + settings->getFormatStringTime()
                               : QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

}

SatelliteBars SatelliteBars::choose(const QList<GnssSatellite>& inView, const QList<GnssSatellite>& inUse,
                                    int room)
{
    using Key = QPair<QByteArray, int>;
    QSet<Key> used;
    for (const GnssSatellite& s : inUse)
        used.insert({s.system, s.prn});
    QList<SatelliteBar> all;
    QSet<Key> seen;
    auto add = [&](const GnssSatellite& s) {
        const Key key{s.system, s.prn};
        if (seen.contains(key))
            return;
        seen.insert(key);
        all.append({s.prn, s.snr, used.contains(key)});
    };
    std::for_each(inView.begin(), inView.end(), add);
    std::for_each(inUse.begin(), inUse.end(), add);
    std::stable_sort(all.begin(), all.end(), [](const SatelliteBar& a, const SatelliteBar& b) {
        if (a.inUse != b.inUse)
            return a.inUse;
        return a.snr != b.snr ? a.snr > b.snr : a.prn < b.prn;
    });
    SatelliteBars bars;
    bars.shown = all.mid(0, qMax(room, 0));
    bars.more = all.size() - bars.shown.size();
    return bars;
}

SnrBarChart::SnrBarChart(QWidget* parent)
    : QWidget(parent)
{
}

void SnrBarChart::setBars(const QList<SatelliteBar>& bars)
{
    m_bars = bars;
    update();
}

void SnrBarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont small = font();
    small.setPixelSize(12);
    painter.setFont(small);
    const int textHeight = 16;
    const int base = height() - textHeight;
    const int span = base - textHeight;
    painter.setPen(kNotInUseColour);
    painter.drawLine(0, base, width() - 1, base);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < m_bars.size(); ++i) {
        const SatelliteBar& bar = m_bars.at(i);
        const int x = i * kSlotWidth;
        painter.drawText(QRect(x, base + 1, kSlotWidth, textHeight - 1), Qt::AlignCenter,
                         QString::number(bar.prn));
        if (bar.snr < 0)
            continue;  // heard of, not tracked
        const int h = std::min(bar.snr, int(kFullScaleSnr)) * span / kFullScaleSnr;
        painter.fillRect(x + 3, base - h, kSlotWidth - 6, h, bar.inUse ? kInUseColour : kNotInUseColour);
        painter.drawText(QRect(x, base - h - textHeight, kSlotWidth, textHeight), Qt::AlignCenter,
                         QString::number(bar.snr));
    }
}

GpsMonitor::GpsMonitor(QWidget* parent)
    : QWidget(parent), ui(new Ui::GpsMonitor)
{
    ui->setupUi(this);
    // Up and Down turn the pages, whichever button has the focus.
    for (QWidget* button : {ui->butMenuUp, ui->butMenuBack, ui->butMenuDown})
        button->installEventFilter(this);
    m_refreshTimer.setInterval(kRefreshMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, [this] {
        if (isVisible())
            refresh();
    });
}

GpsMonitor::~GpsMonitor()
{
    delete ui;
}

QString GpsMonitor::coordinateText(double degrees, char positive, char negative)
{
    return QStringLiteral("%1° %2")
        .arg(std::fabs(degrees), 0, 'f', 6)
        .arg(QLatin1Char(degrees < 0 ? negative : positive));
}

void GpsMonitor::init()
{
    retranslate();
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    showPage(1);
    ui->butMenuBack->setFocus(Qt::OtherFocusReason);
}

void GpsMonitor::retranslate()
{
    ui->labelTitle->setText(QCoreApplication::translate("Management", "GPS"));
    ui->butMenuUp->setToolTip(tr("PreviousPage"));
    ui->butMenuBack->setToolTip(tr("Back"));
    ui->butMenuDown->setToolTip(tr("NextPage"));
    ui->labelLatitudeName->setText(tr("Latitude"));
    ui->labelLongitudeName->setText(tr("Longitude"));
    ui->labelHeightName->setText(tr("Height"));
    ui->labelInUseCountName->setText(tr("SatellitesInUse"));
    ui->labelInViewName->setText(tr("InView"));
    ui->labelInUseName->setText(tr("InUse"));
    ui->labelLastFixName->setText(tr("LastFixUtc"));
    ui->labelLocalClockName->setText(tr("LocalClock"));
    ui->labelClockFromGpsName->setText(tr("ClockFromGps"));
    ui->labelLastSetName->setText(tr("LastSetFromGps"));
    ui->labelPowerName->setText(tr("Power"));
    ui->labelPortName->setText(tr("Port"));
    ui->labelSentencesName->setText(tr("SentencesRead"));
    ui->labelChecksumFailuresName->setText(tr("ChecksumFailures"));
    ui->labelLastSentenceName->setText(tr("LastSentence"));
    ui->labelLastUbxName->setText(tr("LastUbxFrame"));
}

void GpsMonitor::showPage(int page)
{
    m_currentPage = page;
    ui->mainArea->setCurrentIndex(page - 1);
    const QString headings[kPageCount] = {tr("Position"), tr("Satellites"), tr("Time"), tr("Receiver")};
    ui->labelHeading->setText(headings[page - 1]);
    ui->labelPageNumber->setText(QStringLiteral("%1/%2").arg(page).arg(kPageCount));
    refresh();
}

void GpsMonitor::refresh()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    const Gps* gps = hub ? hub->getGpsInstance() : nullptr;
    const bool receiving = gps && gps->isPowerOn() && gps->isPortOpen();
    const bool fix = receiving && gps->isGpsDataValid();
    ui->labelFix->setText(fix ? tr("Fix") : tr("NoFix"));
    const QString style = QLatin1String(fix ? kFixStyle : kNoFixStyle);
    if (ui->labelFix->styleSheet() != style)
        ui->labelFix->setStyleSheet(style);

    // What the receiver does not tell reads "---", never a number.
    for (QLabel* value : ui->mainArea->findChildren<QLabel*>())
        if (value != ui->labelFix && value->property("role").isNull())
            value->setText(QString::fromLatin1(kNoValue));
    ui->labelMore->clear();
    QList<GnssSatellite> inView;
    QList<GnssSatellite> inUse;
    if (receiving) {
        inView = gps->getSatellitesInView();
        inUse = gps->getSatellitesInUse();
        ui->labelInView->setText(QString::number(inView.size()));
        ui->labelInUse->setText(QString::number(inUse.size()));
        ui->labelInUseCount->setText(QString::number(inUse.size()));
    }
    if (fix) {
        ui->labelLatitude->setText(coordinateText(gps->getLatitude(), 'N', 'S'));
        ui->labelLongitude->setText(coordinateText(gps->getLongitude(), 'E', 'W'));
        if (gps->hasHeight())
            ui->labelHeight->setText(QStringLiteral("%1 m").arg(gps->getHeight(), 0, 'f', 1));
    }
    const SatelliteBars bars = SatelliteBars::choose(inView, inUse, ui->barChart->room());
    ui->barChart->setBars(bars.shown);
    if (bars.more > 0)
        ui->labelMore->setText(tr("MoreSatellites").arg(bars.more));
    ui->labelLocalClock->setText(dateTimeText(SystemClock::now()));
    if (gps) {
        showTime(gps);
        showReceiver(gps);
    }
}

void GpsMonitor::showTime(const Gps* gps)
{
    const QDateTime lastFix = gps->getLastFixUtc();
    ui->labelLastFix->setText(lastFix.isValid() ? dateTimeText(lastFix) + QStringLiteral(" UTC")
                                                : QString::fromLatin1(kNoValue));
    ui->labelClockFromGps->setText(gps->isSystemTimeSettingViaGpsEnabled() ? tr("On") : tr("Off"));
    ui->labelLastSet->setText(dateTimeText(gps->getLastClockSetting()));
}

void GpsMonitor::showReceiver(const Gps* gps)
{
    ui->labelPower->setText(gps->isPowerOn() ? tr("On") : tr("Off"));
    ui->labelPort->setText(QStringLiteral("%1 %2").arg(QLatin1String(Gps::kPort),
                                                        gps->isPortOpen() ? tr("PortOpen") : tr("PortNotOpen")));
    ui->labelSentences->setText(QString::number(gps->getSentencesRead()));
    ui->labelChecksumFailures->setText(QString::number(gps->getChecksumFailures()));
    const qint64 age = gps->getLastSentenceAgeMs();
    if (age >= 0)
        ui->labelLastSentence->setText(tr("SecondsAgo").arg(age / 1000.0, 0, 'f', 1));
    const QByteArray ubx = gps->getLastUbxFrame();
    if (!ubx.isEmpty())
        ui->labelLastUbx->setText(QString::fromLatin1(ubx.toHex(' ')));
}

void GpsMonitor::on_butMenuUp_clicked()
{
    showPage(m_currentPage <= 1 ? kPageCount : m_currentPage - 1);
}

void GpsMonitor::on_butMenuDown_clicked()
{
    showPage(m_currentPage >= kPageCount ? 1 : m_currentPage + 1);
}

void GpsMonitor::on_butMenuBack_clicked()
{
    emit gotoWidget(Screen::MainPage, Screen::StackUnchanged, Screen::Live);
}

bool GpsMonitor::turnPage(int key)
{
    if (key == Qt::Key_Up)
        on_butMenuUp_clicked();
    else if (key == Qt::Key_Down)
        on_butMenuDown_clicked();
    else
        return false;
    return true;
}

bool GpsMonitor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && turnPage(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void GpsMonitor::keyPressEvent(QKeyEvent* event)
{
    // The Escape release leaves.
    if (event->key() != Qt::Key_Escape && !turnPage(event->key()))
        QWidget::keyPressEvent(event);
}

void GpsMonitor::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            on_butMenuBack_clicked();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void GpsMonitor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
    m_refreshTimer.start();
}

void GpsMonitor::hideEvent(QHideEvent* event)
{
    m_refreshTimer.stop();
    QWidget::hideEvent(event);
}
