#include "favouritebutton.h"
#include "Hardware/devicelayer.h"
#include "Management/systemsettings.h"
#include "Tools/messagedialog.h"
#include "Tools/popupinfo.h"
#include "mainmenu.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>

const char* const FavouriteButton::kScreenshotDir = "/media/vq4100/screenshots/";

namespace {

const int kScreenWidth = 480;
const int kScreenHeight = 272;

Systemsettings* settings()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    return hub ? hub->getInstanceSystemsettings() : nullptr;
}

}

FavouriteButton::FavouriteButton(QWidget* parent)
    : QWidget(parent)
{
}

void FavouriteButton::init()
{
    if (Systemsettings* store = settings())
        m_butFavNum = store->getFavouriteButton(&m_butFavText);
    qDebug() << "FavouriteButton initialized";
}

int FavouriteButton::storeFavouriteFunction()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (!hub || !hub->getInstanceSystemsettings())
        return 0;
    m_butFavNum = hub->getCurrentVisibleDlgNum();
    if (hub->getInstanceSystemsettings()->setFavouriteButton(m_butFavNum) == -2) {
        qDebug() << "New Favourite-Button function not stored";
        MessageDialog::showWarning(hub, "SettingsCouldNotBeStored");
        return 0;
    }
    qDebug() << "New Favourite-Button fuction stored";
    hub->displayPopup(PopupInfo::PictureFavourite);
    return 0;
}

int FavouriteButton::execFavouriteFunction()
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    if (!hub || !hub->getInstanceSystemsettings())
        return 0;
    m_butFavNum = hub->getInstanceSystemsettings()->getFavouriteButton(&m_butFavText);

    struct Function {
        const char* log;
        int widget;  // -1: the screenshot
    };
    static const Function kFunctions[6] = {
        {"Generate Screenshot", -1},
        {"Open Dialog Pinpointing", 3},
        {"Open Dialog Levelmeasurement", 1},
        {"Open Dialog Longterm-Measurement", 9},
        {"Open Dialog H2-Sensor", 6},
        {"Open Dialog Pipelocating", 8},
    };
    if (m_butFavNum < 0 || m_butFavNum > 5)
        return 0;
    const Function& f = kFunctions[m_butFavNum];
    qDebug() << f.log;
    if (f.widget < 0)
        generateScreenshot();
    else
        hub->displayFavouriteDialog(f.widget);
    return 0;
}

QPixmap FavouriteButton::grabScreen()
{
    QPixmap screen(kScreenWidth, kScreenHeight);
    screen.fill(Qt::black);
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = QApplication::activeWindow();
    QWidget* back = MainMenu::getInstanceMainMenu();
    if (!back)
        back = front;
    if (!back)
        return screen;

    QPainter painter(&screen);
    painter.drawPixmap(0, 0, back->grab(QRect(0, 0, kScreenWidth, kScreenHeight)));
    if (front && front != back && front->isVisible()) {
        const QPoint at = front->mapToGlobal(QPoint(0, 0)) - back->mapToGlobal(QPoint(0, 0));
        painter.drawPixmap(at, front->grab());
    }
    return screen;
}

void FavouriteButton::continueAfterExistingScreenshots()
{
    static const QRegularExpression name("^pic_(\\d+)\\.png$");
    const QStringList files =
        QDir(DeviceLayer::path(kScreenshotDir)).entryList({"pic_*.png"}, QDir::Files);
    for (const QString& file : files) {
        const QRegularExpressionMatch m = name.match(file);
        if (!m.hasMatch())
            continue;
        bool ok = false;
        const int number = m.captured(1).toInt(&ok);
        if (ok && number < INT_MAX && number >= m_screenshotCnt)
            m_screenshotCnt = number + 1;
    }
}

int FavouriteButton::generateScreenshot()
{
    const QPixmap screen = grabScreen();
    QDir().mkpath(DeviceLayer::path(kScreenshotDir));
    if (!m_screenshotSaved)
        continueAfterExistingScreenshots();
    const QString file = QString(kScreenshotDir)
                         + QString("pic_%1.png").arg(m_screenshotCnt, 3, 10, QChar('0'));
    const bool saved = screen.save(DeviceLayer::path(file), "PNG");
    if (saved) {
        m_screenshotCnt += 1;
        m_screenshotSaved = true;
    }
    if (MainMenu* hub = MainMenu::getInstanceMainMenu())
        hub->displayPopup(PopupInfo::PictureScreenshot);
    qDebug() << "Screenshot finished" << saved << file;
    return 0;
}
