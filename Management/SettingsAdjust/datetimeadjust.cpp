#include "datetimeadjust.h"
#include "Hardware/systemclock.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
const int kFirstYear = 2000;
const int kLastYear = 2099;
const int kShownForOldClock = 2018;
}

DateTimeAdjust::DateTimeAdjust(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    QWidget* datePage = addPage("pageDate");
    setPageTitle(PageDate, tr("Date"));
    m_day = addStepper(datePage, "labelDay", 5, kContentTop, 80);
    m_month = addStepper(datePage, "labelMonth", 95, kContentTop, 80);
    m_year = addStepper(datePage, "labelYear", 185, kContentTop, 100);
    m_formats = addChoices(datePage, {}, kContentTop);
    const QList<QPair<int, const char*>> formats{
        {FormatDDMMYYYY, "butDDMMYYYY"}, {FormatYYYYMMDD, "butYYYYMMDD"}, {FormatMMDDYYYY, "butMMDDYYYY"}};
    for (int i = 0; i < formats.size(); ++i) {
        // The format buttons show today's date in their format.
        auto* b = new QPushButton(datePage);
        b->setObjectName(formats.at(i).second);
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setStyleSheet("QPushButton:checked { background-color: #3a6ea5; border: 2px solid #9cc3f0; }");
        b->setGeometry(295, kContentTop + i * 49, 126, 45);
        m_formats->addButton(b, formats.at(i).first);
    }
    m_datePreview = new QLabel(datePage);
    m_datePreview->setObjectName("labelDatePreview");
    m_datePreview->setGeometry(5, 190, 416, 40);
    m_datePreview->setAlignment(Qt::AlignCenter);

    QWidget* timePage = addPage("pageTime");
    setPageTitle(PageTime, tr("Time"));
    m_hour = addStepper(timePage, "labelHour", 5, kContentTop, 120);
    m_minute = addStepper(timePage, "labelMinute", 150, kContentTop, 120);
    m_second = addStepper(timePage, "labelSecond", 295, kContentTop, 120);
    m_timePreview = new QLabel(timePage);
    m_timePreview->setObjectName("labelTimePreview");
    m_timePreview->setGeometry(5, 190, 416, 40);
    m_timePreview->setAlignment(Qt::AlignCenter);

    QWidget* sourcePage = addPage("pageSource");
    setPageTitle(PageSource, tr("DateTimeSource"));
    m_sources = addChoices(sourcePage, {{SourceGps, tr("Gps"), "butGps"},
                                        {SourceManual, tr("Manual"), "butManual"}});

    auto stepDate = [this](QPushButton* b, int days, int months, int years) {
        connect(b, &QPushButton::clicked, this, [this, days, months, years] {
            const QDateTime shown = shownDateTime();
            change(QDateTime(shown.date().addDays(days).addMonths(months).addYears(years),
                             shown.time(), Qt::UTC));
        });
    };
    stepDate(m_day.plus, 1, 0, 0);
    stepDate(m_day.minus, -1, 0, 0);
    stepDate(m_month.plus, 0, 1, 0);
    stepDate(m_month.minus, 0, -1, 0);
    stepDate(m_year.plus, 0, 0, 1);
    stepDate(m_year.minus, 0, 0, -1);
    auto stepTime = [this](QPushButton* b, int seconds) {
        connect(b, &QPushButton::clicked, this, [this, seconds] {
            // The time wraps within its day; the date stays.
            const QDateTime shown = shownDateTime();
            change(QDateTime(shown.date(), shown.time().addSecs(seconds), Qt::UTC));
        });
    };
    stepTime(m_hour.plus, 3600);
    stepTime(m_hour.minus, -3600);
    stepTime(m_minute.plus, 60);
    stepTime(m_minute.minus, -60);
    stepTime(m_second.plus, 1);
    stepTime(m_second.minus, -1);
    connect(m_formats, &QButtonGroup::idClicked, this, [this] { refresh(); });

    m_tick = new QTimer(this);
    m_tick->setObjectName("timerClock");
    connect(m_tick, &QTimer::timeout, this, &DateTimeAdjust::refresh);
    m_tick->start(1000);
    init(PageDate, FormatDDMMYYYY, SourceGps);
}

QString DateTimeAdjust::formatString(int dateFormat)
{
    switch (dateFormat) {
    case FormatYYYYMMDD: return QStringLiteral("yyyy-MM-dd");
    case FormatMMDDYYYY: return QStringLiteral("MM/dd/yyyy");
    default: return QStringLiteral("dd.MM.yyyy");
    }
}

void DateTimeAdjust::init(int page, int dateFormat, int source)
{
    showPage(page == PageTime ? PageTime : PageDate);
    checkChoice(m_formats, (dateFormat >= FormatDDMMYYYY && dateFormat <= FormatMMDDYYYY)
                               ? dateFormat : FormatDDMMYYYY);
    checkChoice(m_sources, source == SourceManual ? SourceManual : SourceGps);
    m_offsetSecs = 0;
    const QDateTime now = SystemClock::now();
    if (now.date().year() < kFirstYear) {
        // A clock that was never set: start from a plausible date.
        const QDate date(kShownForOldClock, now.date().month(), qMin(now.date().day(), 28));
        m_offsetSecs = now.secsTo(QDateTime(date, now.time(), Qt::UTC));
    }
    refresh();
}

int DateTimeAdjust::getDateFormat() const
{
    const int id = m_formats->checkedId();
    return id >= 0 ? id : FormatDDMMYYYY;
}

int DateTimeAdjust::getDateTimeSource() const
{
    return m_sources->checkedId() == SourceManual ? SourceManual : SourceGps;
}

QDateTime DateTimeAdjust::shownDateTime() const
{
    return SystemClock::now().addSecs(m_offsetSecs);
}

void DateTimeAdjust::change(const QDateTime& wanted)
{
    // Only dates the clock can hold.
    if (!wanted.isValid() || wanted.date().year() < kFirstYear || wanted.date().year() > kLastYear)
        return;
    m_offsetSecs = SystemClock::now().secsTo(wanted);
    refresh();
}

void DateTimeAdjust::refresh()
{
    const QDateTime shown = shownDateTime();
    m_day.value->setText(shown.toString("dd"));
    m_month.value->setText(shown.toString("MM"));
    m_year.value->setText(shown.toString("yyyy"));
    m_hour.value->setText(shown.toString("hh"));
    m_minute.value->setText(shown.toString("mm"));
    m_second.value->setText(shown.toString("ss"));
    for (QAbstractButton* b : m_formats->buttons())
        b->setText(shown.date().toString(formatString(m_formats->id(b))));
    m_datePreview->setText(shown.date().toString(formatString(getDateFormat())));
    m_timePreview->setText(shown.time().toString("hh:mm:ss"));
}

void DateTimeAdjust::done(int result)
{
    m_tick->stop();
    if (result == QDialog::Accepted)
        SystemClock::set(shownDateTime());
    SettingsAdjustDialog::done(result);
}
