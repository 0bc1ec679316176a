#ifndef DATETIMEADJUST_H
#define DATETIMEADJUST_H

#include "settingsadjustdialog.h"

#include <QDateTime>

class QTimer;

// Date (page 1, with the date format), time (page 2) and where the clock
// comes from (page 3: GPS or manual). The clock shown runs on while the
// user sets it; on acceptance the system and hardware clocks are set.
class DateTimeAdjust : public SettingsAdjustDialog
{
    Q_OBJECT
public:
    enum { PageDate = 0, PageTime = 1, PageSource = 2 };
    enum { FormatDDMMYYYY = 0, FormatYYYYMMDD = 1, FormatMMDDYYYY = 2 };
    enum { SourceGps = 0, SourceManual = 1 };

    explicit DateTimeAdjust(QWidget* parent = nullptr);

    // page 0 date, 1 time; dateFormat 0..2 (else DDMMYYYY); source 0 GPS,
    // 1 manual (else GPS).
    void init(int page, int dateFormat, int source);
    int getDateFormat() const;
    int getDateTimeSource() const;
    // The date and time the dialog shows (and sets on acceptance).
    QDateTime shownDateTime() const;

    void done(int result) override;

private:
    enum Field { Day, Month, Year, Hour, Minute, Second };
    static QString formatString(int dateFormat);
    void arrangeDateFields();
    void step(Field field, int delta);
    void change(const QDateTime& wanted);
    void refresh();

    QButtonGroup* m_formats;
    QButtonGroup* m_sources;
    Stepper m_day, m_month, m_year;
    Stepper m_hour, m_minute, m_second;
    QLabel* m_datePreview;
    QLabel* m_timePreview;
    QTimer* m_tick;
    qint64 m_offsetSecs = 0;  // shown clock minus wall clock
};

#endif
