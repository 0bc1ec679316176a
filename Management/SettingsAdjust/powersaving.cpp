#include "powersaving.h"

#include <QButtonGroup>
#include <QCoreApplication>

namespace {
const int kPowerOffFallback = 3600;
const int kBacklightOffFallback = 600;
}

const QList<PowerSaving::Time>& PowerSaving::powerOffTimes()
{
    static const QList<Time> times{{600, "10 min"}, {1800, "30 min"}, {3600, "1 h"},
                                   {7200, "2 h"},   {10800, "3 h"},   {0, nullptr}};
    return times;
}

const QList<PowerSaving::Time>& PowerSaving::backlightOffTimes()
{
    static const QList<Time> times{{30, "30 s"},  {60, "1 min"},   {300, "5 min"},
                                   {600, "10 min"}, {1800, "30 min"}, {0, nullptr}};
    return times;
}

QString PowerSaving::textOf(const Time& t)
{
    return t.text ? QString::fromLatin1(t.text) : QCoreApplication::translate("Systemsettings", "never");
}

PowerSaving::PowerSaving(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    auto choicesOf = [](const QList<Time>& times, const char* prefix) {
        QList<Choice> choices;
        for (const Time& t : times)
            choices << Choice{t.seconds, textOf(t), QString("%1_%2").arg(prefix).arg(t.seconds)};
        return choices;
    };
    QWidget* powerPage = addPage("pagePowerOff");
    setPageTitle(0, tr("PowerOffTime"));
    m_powerOff = addChoices(powerPage, choicesOf(powerOffTimes(), "butPowerOff"));
    QWidget* displayPage = addPage("pageDisplayOff");
    setPageTitle(1, tr("DisplayOffTime"));
    m_backlightOff = addChoices(displayPage, choicesOf(backlightOffTimes(), "butDisplayOff"));
    init(kPowerOffFallback, kBacklightOffFallback);
}

int PowerSaving::pick(const QList<Time>& times, int seconds, int fallback)
{
    if (seconds == -1)
        return 0;
    for (const Time& t : times) {
        if (t.seconds == seconds)
            return seconds;
    }
    return fallback;
}

void PowerSaving::init(int powerOffTime, int backlightOffTime)
{
    showPage(0);
    checkChoice(m_powerOff, pick(powerOffTimes(), powerOffTime, kPowerOffFallback));
    checkChoice(m_backlightOff, pick(backlightOffTimes(), backlightOffTime, kBacklightOffFallback));
}

int PowerSaving::chosen(QButtonGroup* group, const QList<Time>& times, int fallback, QString* text)
{
    // One time is always checked (init and the constructor see to it).
    const int checked = group->checkedId();
    const int seconds = checked >= 0 ? checked : fallback;
    for (const Time& t : times) {
        if (t.seconds == seconds) {
            if (text)
                *text = textOf(t);
            break;
        }
    }
    return seconds;
}

int PowerSaving::getPowerOffTime(QString* text) const
{
    return chosen(m_powerOff, powerOffTimes(), kPowerOffFallback, text);
}

int PowerSaving::getBacklightOffTime(QString* text) const
{
    return chosen(m_backlightOff, backlightOffTimes(), kBacklightOffFallback, text);
}
