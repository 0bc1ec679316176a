#include "selectfavouritebutton.h"
#include "Management/systemsettings.h"
#include "mainmenu.h"
#include "screennumbers.h"

#include <QButtonGroup>

namespace {
const int kDefaultFavourite = Screen::FavouriteLevelmeasurement;
}

SelectFavouriteButton::SelectFavouriteButton(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    QWidget* page = addPage("pageFavourite");
    setPageTitle(0, tr("FavouriteButton"));
    QList<Choice> choices;
    for (int num = Screen::FavouriteScreenshot; Screen::isFavourite(num); ++num)
        choices << Choice{num, favouriteText(num), QString("butFavourite_%1").arg(num)};
    m_favourites = addChoices(page, choices);
    checkChoice(m_favourites, kDefaultFavourite);
}

QString SelectFavouriteButton::favouriteText(int num)
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    Systemsettings* settings = hub ? hub->getInstanceSystemsettings() : nullptr;
    return settings ? settings->getFavButTextFromNum(num) : QString::number(num);
}

void SelectFavouriteButton::init(int favourite)
{
    checkChoice(m_favourites, Screen::isFavourite(favourite) ? favourite : kDefaultFavourite);
}

int SelectFavouriteButton::getFavouriteButton(QString* text) const
{
    int num = m_favourites->checkedId();
    if (num < 0)
        num = kDefaultFavourite;
    if (text)
        *text = favouriteText(num);
    return num;
}
