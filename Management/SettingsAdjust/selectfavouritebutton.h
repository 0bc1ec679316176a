#ifndef SELECTFAVOURITEBUTTON_H
#define SELECTFAVOURITEBUTTON_H

#include "settingsadjustdialog.h"

// The function of the favourite key: 0 screenshot, 1 pinpointing, 2 level
// measurement, 3 long-term, 4 H2 sensor, 5 pipe locating.
class SelectFavouriteButton : public SettingsAdjustDialog
{
    Q_OBJECT
public:
    explicit SelectFavouriteButton(QWidget* parent = nullptr);

    // A number outside 0..5 shows level measurement (2).
    void init(int favourite);
    // The chosen number; its display text into *text.
    int getFavouriteButton(QString* text) const;

private:
    static QString favouriteText(int num);
    QButtonGroup* m_favourites;
};

#endif
