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

    const QList<QPair<Stepper*, Field>> fields{{&m_day, Day},   {&m_month, Month},   {&m_year, Year},
                                               {&m_hour, Hour}, {&m_minute, Minute}, {&m_second, Second}};
    for (const auto& [stepper, field] : fields) {
        const Field f = field;
        connect(stepper->plus, &QPushButton::clicked, this, [this, f] { step(f, 1); });
        connect(stepper->minus, &QPushButton::clicked, this, [this, f] { step(f, -1); });
    }
    connect(m_formats, &QButtonGroup::idClicked, this, [this] {
        arrangeDateFields();
        refresh();
    });

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
    arrangeDateFields();
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

// The date's fields stand in the order of the chosen format, for the eye
// and for the keys.
void DateTimeAdjust::arrangeDateFields()
{
    QList<Stepper*> order{&m_day, &m_month, &m_year};
    if (getDateFormat() == FormatYYYYMMDD)
        order = {&m_year, &m_month, &m_day};
    else if (getDateFormat() == FormatMMDDYYYY)
        order = {&m_month, &m_day, &m_year};
    int x = 5;
    QWidget* previous = nullptr;
    for (Stepper* s : order) {
        const int width = s == &m_year ? 100 : 80;
        placeStepper(*s, x, kContentTop, width);
        x += width + 10;
        if (previous)
            setTabOrder(previous, s->plus);
        setTabOrder(s->plus, s->minus);
        previous = s->minus;
    }
}

namespace {
int wrapped(int value, int first, int last)
{
    const int span = last - first + 1;
    return first + ((value - first) % span + span) % span;
}
}

// A field steps within its own range and never carries into the next one;
// the day stays within its month, the year within what the clock can hold.
void DateTimeAdjust::step(Field field, int delta)
{
    const QDateTime shown = shownDateTime();
    int year = shown.date().year();
    int month = shown.date().month();
    int day = shown.date().day();
    int hour = shown.time().hour();
    int minute = shown.time().minute();
    int second = shown.time().second();
    switch (field) {
    case Day: day = wrapped(day + delta, 1, shown.date().daysInMonth()); break;
    case Month: month = wrapped(month + delta, 1, 12); break;
    case Year: year += delta; break;
    case Hour: hour = wrapped(hour + delta, 0, 23); break;
    case Minute: minute = wrapped(minute + delta, 0, 59); break;
    case Second: second = wrapped(second + delta, 0, 59); break;
    }
    day = qMin(day, QDate(year, month, 1).daysInMonth());
    change(QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC));
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
