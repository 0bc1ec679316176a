#include "selectswitchmode.h"

#include <QButtonGroup>

SelectSwitchmode::SelectSwitchmode(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    QWidget* page = addPage("pageSwitchmode");
    setPageTitle(0, tr("ModeMuteButton"));
    m_modes = addChoices(page, {{ModeSwitch, tr("Switch"), "butSwitch"},
                                {ModePushButton, tr("PushButton"), "butPushButton"}});
    checkChoice(m_modes, ModeSwitch);
}

void SelectSwitchmode::init(QString switchmode)
{
    checkChoice(m_modes, switchmode == QLatin1String("Switch") ? ModeSwitch : ModePushButton);
}

QString SelectSwitchmode::getSwitchmode() const
{
    return m_modes->checkedId() == ModeSwitch ? QStringLiteral("Switch")
                                              : QStringLiteral("Push-Button");
}
