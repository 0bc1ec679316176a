#ifndef FAVOURITEBUTTON_H
#define FAVOURITEBUTTON_H

#include <QString>
#include <QWidget>

class QPixmap;

// The favourite key's logic: a short press runs the chosen function (a
// screenshot or one of five measurement screens), holding the key stores the
// function screen shown last. Never shown; the main window holds the one in
// use.
class FavouriteButton : public QWidget
{
    Q_OBJECT
public:
    static const char* const kScreenshotDir;

    explicit FavouriteButton(QWidget* parent = nullptr);

    void init();
    int storeFavouriteFunction();
    int execFavouriteFunction();
    int generateScreenshot();

    // The number the next screenshot file gets.
    int screenshotCounter() const { return m_screenshotCnt; }

    // What the screen shows: the main window with the window in front of it
    // (a dialog) drawn over it, 480x272.
    static QPixmap grabScreen();

private:
    void continueAfterExistingScreenshots();

    int m_butFavNum = 0;
    QString m_butFavText;
    int m_screenshotCnt = 0;
    // Until the first file is saved the counter follows the folder, so a
    // restart never overwrites earlier screenshots.
    bool m_screenshotSaved = false;
};

#endif
