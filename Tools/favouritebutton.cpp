#include "favouritebutton.h"
#include "Hardware/pathguard.h"
#include "Hardware/devicelayer.h"
#include "Hardware/massstorage.h"
#include "Management/systemsettings.h"
#include "Tools/messagedialog.h"
#include "Tools/popupinfo.h"
#include "mainmenu.h"

#include <QApplication>
#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>

#include <iterator>

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
        MessageDialog::showWarning(hub, QT_TRANSLATE_NOOP("MessageDialog", "SettingsCouldNotBeStored"));
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

    // By favourite number.
    static const char* const kLogLines[] = {
        "Generate Screenshot",          "Open Dialog Pinpointing",
        "Open Dialog Levelmeasurement", "Open Dialog Longterm-Measurement",
        "Open Dialog H2-Sensor",        "Open Dialog Pipelocating",
    };
    static_assert(std::size(kLogLines) == Screen::FavouriteCount, "a log line a favourite");
    if (!Screen::isFavourite(m_butFavNum))
        return 0;
    // A screen opened behind a dialog would talk to the TB-9 while the dialog
    // does (a firmware transfer); a screenshot of the dialog harms nothing.
    if (m_butFavNum != Screen::FavouriteScreenshot && QApplication::activeModalWidget()) {
        qDebug() << "Favourite screen not opened behind a dialog:" << m_butFavNum;
        return 0;
    }
    qDebug() << kLogLines[m_butFavNum];
    if (m_butFavNum == Screen::FavouriteScreenshot)
        generateScreenshot();
    else
        hub->displayFavouriteDialog(MainMenu::widgetForFavourite(m_butFavNum));
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
        // A dialog of the screen's size fills it, wherever a window system
        // with frames put it.
        const bool fills = front->width() >= kScreenWidth && front->height() >= kScreenHeight;
        const QPoint at = fills ? QPoint(0, 0)
                                : front->mapToGlobal(QPoint(0, 0)) - back->mapToGlobal(QPoint(0, 0));
        painter.drawPixmap(at, front->grab());
    }
    return screen;
}

void FavouriteButton::continueAfterExistingScreenshots()
{
    static const QRegularExpression name("^pic_(\\d+)\\.png$");
    // A link to nowhere keeps its name too.
    const QStringList files =
        QDir(DeviceLayer::path(kScreenshotDir)).entryList({"pic_*.png"}, QDir::Files | QDir::System);
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

// Encoded in memory and written whole: full storage leaves no cut-off
// picture. Never through a link.
static bool savePng(const QPixmap& screen, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !screen.save(&buffer, "PNG"))
        return false;
    FileResult r = PathGuard::makePath(QFileInfo(path).path());
    if (r.ok())
        r = PathGuard::writeWhole(path, png);
    if (!r.ok())
        qDebug().noquote() << "Screenshot not written:" << DeviceLayer::unitPath(path) << r.error;
    return r.ok();
}

int FavouriteButton::generateScreenshot()
{
    if (!MassStorage::mayWrite(kScreenshotDir))
        return 0;
    const QPixmap screen = grabScreen();
    if (!m_screenshotSaved)
        continueAfterExistingScreenshots();
    const QString file = QString(kScreenshotDir)
                         + QString("pic_%1.png").arg(m_screenshotCnt, 3, 10, QChar('0'));
    const bool saved = savePng(screen, DeviceLayer::path(file));
    if (saved) {
        m_screenshotCnt += 1;
        m_screenshotSaved = true;
    }
    qDebug() << "Screenshot finished" << saved << file;
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    // The camera would tell the operator a picture was taken.
    if (!saved)
        MessageDialog::showWarning(hub, QT_TRANSLATE_NOOP("MessageDialog", "ScreenshotCouldNotBeStored"));
    else if (hub)
        hub->displayPopup(PopupInfo::PictureScreenshot);
    return 0;
}
