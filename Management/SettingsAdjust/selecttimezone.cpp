#include "selecttimezone.h"
#include "Hardware/systemclock.h"
#include "Tools/picturebutton.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QFrame>
#include <QLabel>
#include <cmath>

// In ascending order of standard offset. The names are keys of the settings
// screen's context, where the stored zone name is also made.
const SelectTimezone::Zone SelectTimezone::kZones[kZoneCount] = {
    {QT_TRANSLATE_NOOP("Systemsettings", "PagoPago"), "Pacific/Pago_Pago", -11 * 3600, -170.7},
    {QT_TRANSLATE_NOOP("Systemsettings", "Honolulu"), "Pacific/Honolulu", -10 * 3600, -157.9},
    {QT_TRANSLATE_NOOP("Systemsettings", "Anchorage"), "America/Anchorage", -9 * 3600, -149.9},
    {QT_TRANSLATE_NOOP("Systemsettings", "LosAngeles"), "America/Los_Angeles", -8 * 3600, -118.2},
    {QT_TRANSLATE_NOOP("Systemsettings", "Denver"), "America/Denver", -7 * 3600, -105.0},
    {QT_TRANSLATE_NOOP("Systemsettings", "Chicago"), "America/Chicago", -6 * 3600, -87.6},
    {QT_TRANSLATE_NOOP("Systemsettings", "NewYork"), "America/New_York", -5 * 3600, -74.0},
    {QT_TRANSLATE_NOOP("Systemsettings", "Halifax"), "America/Halifax", -4 * 3600, -63.6},
    {QT_TRANSLATE_NOOP("Systemsettings", "StJohns"), "America/St_Johns", -(3 * 3600 + 1800), -52.7},
    {QT_TRANSLATE_NOOP("Systemsettings", "SaoPaulo"), "America/Sao_Paulo", -3 * 3600, -46.6},
    {QT_TRANSLATE_NOOP("Systemsettings", "SouthGeorgia"), "Atlantic/South_Georgia", -2 * 3600, -36.5},
    {QT_TRANSLATE_NOOP("Systemsettings", "Azores"), "Atlantic/Azores", -1 * 3600, -25.7},
    {QT_TRANSLATE_NOOP("Systemsettings", "London"), "Europe/London", 0, -0.1},
    {QT_TRANSLATE_NOOP("Systemsettings", "Berlin"), "Europe/Berlin", 1 * 3600, 13.4},
    {QT_TRANSLATE_NOOP("Systemsettings", "Athens"), "Europe/Athens", 2 * 3600, 23.7},
    {QT_TRANSLATE_NOOP("Systemsettings", "Moscow"), "Europe/Moscow", 3 * 3600, 37.6},
    {QT_TRANSLATE_NOOP("Systemsettings", "Tehran"), "Asia/Tehran", 3 * 3600 + 1800, 51.4},
    {QT_TRANSLATE_NOOP("Systemsettings", "Dubai"), "Asia/Dubai", 4 * 3600, 55.3},
    {QT_TRANSLATE_NOOP("Systemsettings", "Kabul"), "Asia/Kabul", 4 * 3600 + 1800, 69.2},
    {QT_TRANSLATE_NOOP("Systemsettings", "Karachi"), "Asia/Karachi", 5 * 3600, 67.0},
    {QT_TRANSLATE_NOOP("Systemsettings", "Kolkata"), "Asia/Kolkata", 5 * 3600 + 1800, 88.4},
    {QT_TRANSLATE_NOOP("Systemsettings", "Kathmandu"), "Asia/Kathmandu", 5 * 3600 + 2700, 85.3},
    {QT_TRANSLATE_NOOP("Systemsettings", "Dhaka"), "Asia/Dhaka", 6 * 3600, 90.4},
    {QT_TRANSLATE_NOOP("Systemsettings", "Bangkok"), "Asia/Bangkok", 7 * 3600, 100.5},
    {QT_TRANSLATE_NOOP("Systemsettings", "Beijing"), "Asia/Shanghai", 8 * 3600, 116.4},
    {QT_TRANSLATE_NOOP("Systemsettings", "Tokyo"), "Asia/Tokyo", 9 * 3600, 139.7},
    {QT_TRANSLATE_NOOP("Systemsettings", "Adelaide"), "Australia/Adelaide", 9 * 3600 + 1800, 138.6},
    {QT_TRANSLATE_NOOP("Systemsettings", "Sydney"), "Australia/Sydney", 10 * 3600, 151.2},
    {QT_TRANSLATE_NOOP("Systemsettings", "Noumea"), "Pacific/Noumea", 11 * 3600, 166.5},
    {QT_TRANSLATE_NOOP("Systemsettings", "Auckland"), "Pacific/Auckland", 12 * 3600, 174.8},
    {QT_TRANSLATE_NOOP("Systemsettings", "Tongatapu"), "Pacific/Tongatapu", 13 * 3600, -175.2},
};

namespace {
const int kMapWidth = 416;
const int kMapHeight = 180;
const int kSummer = 1;
const int kWinter = 0;
}

SelectTimezone::SelectTimezone(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    QWidget* zonePage = addPage("pageTimezone");
    setPageTitle(PageZone, tr("Timezone"));
    m_map = new PictureButton(zonePage);
    m_map->setObjectName("butWorldmap");
    m_map->setGeometry(5, 38, kMapWidth, kMapHeight);
    m_map->setAutoDefault(false);
    m_map->setFocusPolicy(Qt::NoFocus);
    m_map->setStyleSheet(
        "QPushButton { border: none; padding: 0px; background-color: #0f1a2a; "
        "image: url(:/Resources/Icons/Management/Timezone/Worldmap.png); }\n"
        "QPushButton:pressed { background-color: #0f1a2a; }");
    m_marker = new QFrame(m_map);
    m_marker->setObjectName("frameZoneMarker");
    m_marker->setStyleSheet("background-color: #f0a020;");
    m_marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_zoneLabel = new QLabel(zonePage);
    m_zoneLabel->setObjectName("labelTimezone");
    m_zoneLabel->setGeometry(5, 222, kMapWidth, 45);
    m_zoneLabel->setAlignment(Qt::AlignCenter);
    QFont f = m_zoneLabel->font();
    f.setBold(true);
    m_zoneLabel->setFont(f);
    connect(m_map, &PictureButton::mouseReleased, this, &SelectTimezone::mapReleased,
            Qt::UniqueConnection);

    QWidget* dstPage = addPage("pageDaylightSaving");
    setPageTitle(PageDaylightSaving, tr("DaylightSavingTime"));
    m_daylightSaving = addChoices(dstPage, {{kSummer, tr("Summertime"), "butSummertime"},
                                            {kWinter, tr("Wintertime"), "butWintertime"}});
    init(PageZone, kDefaultZone, kWinter);
}

void SelectTimezone::init(int page, int timezone, int daylightSavingTime)
{
    const bool zonePage = page == PageZone;
    showPage(zonePage ? PageZone : PageDaylightSaving);
    // Up and Down go through the zones; the other page has nothing to step.
    setStepButtonsVisible(zonePage);
    m_initialZone = (timezone >= 0 && timezone < kZoneCount) ? timezone : kDefaultZone;
    m_initialDaylightSaving = daylightSavingTime == kSummer ? kSummer : kWinter;
    selectZone(m_initialZone);
    checkChoice(m_daylightSaving, m_initialDaylightSaving);
}

QString SelectTimezone::zoneName(int index)
{
    return QCoreApplication::translate("Systemsettings", kZones[index].key);
}

QString SelectTimezone::offsetText(int offsetSeconds)
{
    if (offsetSeconds == 0)
        return QStringLiteral(" (0 h)");
    const QChar sign = offsetSeconds < 0 ? '-' : '+';
    const int total = std::abs(offsetSeconds);
    const int hours = total / 3600;
    const int minutes = (total % 3600) / 60;
    if (minutes == 0)
        return QString(" (%1%2 h)").arg(sign).arg(hours);
    return QString(" (%1%2:%3 h)").arg(sign).arg(hours).arg(minutes, 2, 10, QChar('0'));
}

QString SelectTimezone::getTimezoneName() const
{
    return zoneName(m_zone) + offsetText(kZones[m_zone].offsetSeconds);
}

int SelectTimezone::getDaylightSavingTime() const
{
    return m_daylightSaving->checkedId() == kSummer ? kSummer : kWinter;
}

int SelectTimezone::zoneNearestTo(double longitude)
{
    int best = kDefaultZone;
    double bestDistance = 1000.0;
    for (int i = 0; i < kZoneCount; ++i) {
        double d = std::fabs(kZones[i].longitude - longitude);
        d = std::fmin(d, 360.0 - d);  // the map wraps at the date line
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void SelectTimezone::mapReleased(QPointF pos)
{
    const double x = qBound(0.0, pos.x(), double(kMapWidth));
    selectZone(zoneNearestTo(x / kMapWidth * 360.0 - 180.0));
}

void SelectTimezone::selectZone(int index)
{
    m_zone = index;
    m_zoneLabel->setText(getTimezoneName());
    const int x = int((kZones[index].longitude + 180.0) / 360.0 * kMapWidth);
    m_marker->setGeometry(qBound(0, x - 1, kMapWidth - 3), 0, 3, kMapHeight);
}

void SelectTimezone::stepUp()
{
    selectZone((m_zone + kZoneCount - 1) % kZoneCount);
}

void SelectTimezone::stepDown()
{
    selectZone((m_zone + 1) % kZoneCount);
}

void SelectTimezone::done(int result)
{
    if (result == QDialog::Accepted) {
        const int before = kZones[m_initialZone].offsetSeconds + (m_initialDaylightSaving == kSummer ? 3600 : 0);
        const int after = getTimezoneOffset() + getDaylightSavingTimeOffset();
        if (after != before) {
            qDebug() << "Time zone offset changes by" << after - before << "s";
            SystemClock::set(SystemClock::now().addSecs(after - before));
        }
    }
    SettingsAdjustDialog::done(result);
}
