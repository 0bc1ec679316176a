#include "popupinfo.h"
#include "ui_popupinfo.h"

#include <QTimer>

static const int kShowMs = 1000;

PopupInfo::PopupInfo(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::PopupInfo)
    , m_timer(nullptr)
{
    ui->setupUi(this);
    setGeometry(215, 111, 50, 50);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &PopupInfo::closeDlg, Qt::UniqueConnection);
}

PopupInfo::~PopupInfo()
{
    delete ui;
    m_timer->stop();
    delete m_timer;
}

void PopupInfo::setPicture(int picture)
{
    QString file;
    switch (picture) {
    case PictureScreenshot: file = QStringLiteral("ScreenshotCamera_ws_40px.png"); break;
    case PictureServiceMode: file = QStringLiteral("Bug_ws_40px.png"); break;
    default: file = QStringLiteral("Favourite_ws_40px.png"); break;
    }
    ui->label->setStyleSheet(
        QStringLiteral("QLabel{background-image: url(:/Resources/Icons/Management/Systemsettings/%1)};").arg(file));
    m_timer->start(kShowMs);
}

void PopupInfo::closeDlg()
{
    m_timer->stop();
    accept();
}

// Plain widget handling: not even the IO key closes the pop-up early.
void PopupInfo::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
}

void PopupInfo::keyReleaseEvent(QKeyEvent* event)
{
    QWidget::keyReleaseEvent(event);
}
