#include "powersaving.h"
#include "Management/systemsettings.h"

#include <QButtonGroup>

PowerSaving::PowerSaving(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    auto choicesOf = [](const QVector<int>& times, const char* prefix) {
        QList<Choice> choices;
        for (int seconds : times)
            choices << Choice{seconds, Systemsettings::convertTimeToText(seconds),
                              QString("%1_%2").arg(prefix).arg(seconds)};
        return choices;
    };
    QWidget* powerPage = addPage("pagePowerOff");
    setPageTitle(0, tr("PowerOffTime"));
    m_powerOff = addChoices(powerPage, choicesOf(Systemsettings::powerOffTimes(), "butPowerOff"));
    QWidget* displayPage = addPage("pageDisplayOff");
    setPageTitle(1, tr("DisplayOffTime"));
    m_backlightOff = addChoices(displayPage, choicesOf(Systemsettings::displayOffTimes(), "butDisplayOff"));
    init(Systemsettings::kDefaultPowerOffTime, Systemsettings::kDefaultDisplayOffTime);
}

void PowerSaving::init(int powerOffTime, int backlightOffTime)
{
    showPage(0);
    checkChoice(m_powerOff, Systemsettings::validPowerOffTime(powerOffTime));
    checkChoice(m_backlightOff, Systemsettings::validDisplayOffTime(backlightOffTime));
}

// One time is always checked (init and the constructor see to it).
int PowerSaving::chosen(QButtonGroup* group, QString* text)
{
    const int seconds = group->checkedId();
    if (text)
        *text = Systemsettings::convertTimeToText(seconds);
    return seconds;
}

int PowerSaving::getPowerOffTime(QString* text) const
{
    return chosen(m_powerOff, text);
}

int PowerSaving::getBacklightOffTime(QString* text) const
{
    return chosen(m_backlightOff, text);
}
