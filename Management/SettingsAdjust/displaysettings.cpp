#include "displaysettings.h"
#include "Hardware/backlight.h"
#include "Management/systemsettings.h"
#include "mainmenu.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDebug>

Displaysettings::Displaysettings(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    QWidget* page = addPage("pageBrightness");
    setPageTitle(0, tr("Brightness"));
    m_levels = addChoices(page, {{Low, QCoreApplication::translate("Systemsettings", "low"), "butLow"},
                                 {Medium, QCoreApplication::translate("Systemsettings", "medium"), "butMedium"},
                                 {High, QCoreApplication::translate("Systemsettings", "high"), "butHigh"}});
    connect(m_levels, &QButtonGroup::idClicked, this, &Displaysettings::choose);
}

void Displaysettings::init()
{
    int level = -1;
    if (!Backlight::level(level)) {
        qDebug() << "Backlight level cannot be read";
        level = -1;
    }
    m_foundLevel = level;
    m_level = level;
    checkChoice(m_levels, level);
}

void Displaysettings::choose(int level)
{
    m_level = level;
    Backlight::set(level);
}

int Displaysettings::getBrightness(QString* text) const
{
    // An unreadable backlight and no choice: the delivery level.
    const int level = m_level >= 0 ? m_level : Medium;
    if (text) {
        switch (level) {
        case Low: *text = QCoreApplication::translate("Systemsettings", "low"); break;
        case Medium: *text = QCoreApplication::translate("Systemsettings", "medium"); break;
        case High: *text = QCoreApplication::translate("Systemsettings", "high"); break;
        default: text->clear(); break;
        }
    }
    return level;
}

void Displaysettings::done(int result)
{
    if (result == QDialog::Accepted) {
        // The display may have gone dark and been woken at the stored level
        // while the dialog was open: the level returned is the one shown.
        Backlight::set(getBrightness(nullptr));
    } else if (m_level != m_foundLevel) {
        // A level that could not be read is put back as the stored one.
        const int restore = m_foundLevel >= 0 ? m_foundLevel : storedLevel();
        Backlight::set(restore);
        m_level = m_foundLevel;
    }
    SettingsAdjustDialog::done(result);
}

int Displaysettings::storedLevel()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    Systemsettings* settings = hub ? hub->getInstanceSystemsettings() : nullptr;
    return settings ? settings->getBrightness() : Systemsettings::kDefaultBrightness;
}
