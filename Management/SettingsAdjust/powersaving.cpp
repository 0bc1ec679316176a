#include "powersaving.h"
#include "Management/settingsstore.h"

#include <QButtonGroup>

PowerSaving::PowerSaving(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    auto choicesOf = [](const QVector<int>& times, const char* prefix) {
        QList<Choice> choices;
        for (int seconds : times)
            choices << Choice{seconds, SettingsStore::convertTimeToText(seconds),
                              QString("%1_%2").arg(prefix).arg(seconds)};
        return choices;
    };
    QWidget* powerPage = addPage("pagePowerOff");
    setPageTitle(0, tr("PowerOffTime"));
    m_powerOff = addChoices(powerPage, choicesOf(SettingsStore::powerOffTimes(), "butPowerOff"));
    QWidget* displayPage = addPage("pageDisplayOff");
    setPageTitle(1, tr("DisplayOffTime"));
    m_backlightOff = addChoices(displayPage, choicesOf(SettingsStore::displayOffTimes(), "butDisplayOff"));
    init(SettingsStore::kDefaultPowerOffTime, SettingsStore::kDefaultDisplayOffTime);
}

void PowerSaving::init(int powerOffTime, int backlightOffTime)
{
    showPage(0);
    checkChoice(m_powerOff, SettingsStore::validPowerOffTime(powerOffTime));
    checkChoice(m_backlightOff, SettingsStore::validDisplayOffTime(backlightOffTime));
}

// One time is always checked (init and the constructor see to it).
int PowerSaving::chosen(QButtonGroup* group, QString* text)
{
    const int seconds = group->checkedId();
    if (text)
        *text = SettingsStore::convertTimeToText(seconds);
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
