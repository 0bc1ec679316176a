// uidemo: the standard dialogs and widgets at the unit's 480x272, to try them
// before any screen uses them.
//   uidemo                      interactive: pages of demo buttons and charts
//   uidemo --screenshots DIR    writes one PNG per page and dialog, then quits
#include "Hardware/deviceroot.h"
#include "Tools/focusframe.h"
#include "Tools/filecopythread.h"
#include "Tools/iconbutton.h"
#include "Tools/longtermdata.h"
#include "Tools/messagedialog.h"
#include "Tools/picturebutton.h"
#include "Tools/popupinfo.h"
#include "Tools/progressbarminmaxmarker.h"
#include "Tools/settingsbutton.h"
#include "Tools/timerh2heating.h"
#include "Tools/tooltipbutton.h"
#include "Tools/virtualkeyboard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace {

struct MessageCase {
    const char* caption;
    int icon;
    int type;  // -1: never set
    const char* headline;
    const char* info;
    int autoClose;
};

const MessageCase kMessages[] = {
    {"Info, OK", MessageDialog::IconInformation, MessageDialog::TypeOk, "Information",
     "The measurement was stored.", 0},
    {"Warning, OK/Cancel", MessageDialog::IconWarning, MessageDialog::TypeOkCancel, "Warning",
     "No Bluetooth connection. Please check your TB-9.", 0},
    {"Question, Yes/No", MessageDialog::IconQuestion, MessageDialog::TypeYesNo, "Question",
     "Delete the selected measurement?", 0},
    {"Error, Yes/No/Cancel", MessageDialog::IconError, MessageDialog::TypeYesNoCancel, "Error",
     "The firmware file could not be copied. Try again?", 0},
    {"Closes after 5 s", MessageDialog::IconInformation, MessageDialog::TypeOk, "Please wait",
     "This message closes itself after five seconds.", 5},
    {"Type never set", MessageDialog::IconQuestion, -1, "Question", "Every button gives -1.", 0},
};

QString resultName(int code)
{
    switch (code) {
    case 0: return "OK";
    case 1: return "Cancel";
    case 2: return "Yes";
    case 3: return "No";
    case 4: return "time-out";
    default: return "none";
    }
}

void prepareMessage(MessageDialog& d, const MessageCase& c)
{
    d.setIcon(c.icon);
    d.setHeadline(QString::fromUtf8(c.headline));
    if (c.type >= 0)
        d.setDialogType(c.type);
    d.setInfotext(QString::fromUtf8(c.info));
    if (c.autoClose > 0)
        d.setAutoCloseTimeout(c.autoClose);
}

class Demo : public QWidget
{
public:
    Demo()
    {
        setFixedSize(480, 272);
        m_pages = new QStackedWidget(this);
        m_pages->setGeometry(0, 0, 480, 222);
        m_pages->addWidget(messagePage());
        m_pages->addWidget(keyboardPage());
        m_pages->addWidget(buttonPage());
        m_pages->addWidget(barPage());
        m_pages->addWidget(levelChartPage());
        m_pages->addWidget(pressureChartPage());

        auto* back = new TooltipButton(this);
        back->setGeometry(5, 222, 60, 45);
        back->setText("<");
        back->setToolTip("Previous page");
        auto* next = new TooltipButton(this);
        next->setGeometry(415, 222, 60, 45);
        next->setText(">");
        next->setToolTip("Next page");
        m_title = new QLabel(this);
        m_title->setGeometry(70, 222, 340, 22);
        m_title->setAlignment(Qt::AlignCenter);
        m_result = new QLabel(this);
        m_result->setGeometry(70, 245, 340, 22);
        m_result->setAlignment(Qt::AlignCenter);
        QFont small = font();
        small.setPixelSize(15);
        m_title->setFont(small);
        m_result->setFont(small);
        m_result->setStyleSheet("color: #f0a020;");
        connect(back, &QPushButton::clicked, this, [this] { turn(-1); });
        connect(next, &QPushButton::clicked, this, [this] { turn(1); });
        turn(0);
    }

    ~Demo() override
    {
        m_copyThread.quit();
        m_copyThread.wait();
    }

    int pageCount() const { return m_pages->count(); }
    void showPage(int i)
    {
        m_pages->setCurrentIndex(i);
        turn(0);
    }
    void advanceLevel(int steps)
    {
        while (steps-- > 0)
            stepLevel();
    }

private:
    void turn(int step)
    {
        const int n = m_pages->count();
        m_pages->setCurrentIndex((m_pages->currentIndex() + step + n) % n);
        static const char* titles[] = {"1/6 Message dialog", "2/6 Keyboard and pop-up",
                                       "3/6 Buttons", "4/6 Picture, level bar, file copy",
                                       "5/6 Level chart, heating dial", "6/6 Pressure chart"};
        m_title->setText(titles[m_pages->currentIndex()]);
        if (step != 0)
            m_result->clear();
    }

    void report(const QString& text) { m_result->setText(text); }

    static QPushButton* demoButton(const QString& caption, QWidget* parent)
    {
        auto* b = new QPushButton(caption, parent);
        b->setMinimumHeight(44);
        QFont f = b->font();
        f.setPixelSize(17);
        b->setFont(f);
        return b;
    }

    QWidget* messagePage()
    {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        grid->setContentsMargins(5, 5, 5, 5);
        int i = 0;
        for (const MessageCase& c : kMessages) {
            auto* b = demoButton(QString::fromUtf8(c.caption), page);
            grid->addWidget(b, i / 2, i % 2);
            connect(b, &QPushButton::clicked, this, [this, &c] {
                MessageDialog d(this);
                prepareMessage(d, c);
                const int rc = d.exec();
                report(QString("exec() %1, pressed %2 (%3)").arg(rc).arg(d.getPressedButton())
                           .arg(resultName(d.getPressedButton())));
            });
            ++i;
        }
        return page;
    }

    QWidget* keyboardPage()
    {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        grid->setContentsMargins(5, 5, 5, 5);
        auto* plain = demoButton("Keyboard", page);
        auto* special = demoButton("Special chars, Enter accepts", page);
        grid->addWidget(plain, 0, 0, 1, 2);
        grid->addWidget(special, 1, 0, 1, 2);
        connect(plain, &QPushButton::clicked, this, [this] { runKeyboard(false); });
        connect(special, &QPushButton::clicked, this, [this] { runKeyboard(true); });
        const char* popups[] = {"Favourite", "Screenshot", "Service"};
        for (int p = 1; p <= 3; ++p) {
            auto* b = demoButton(QString("Pop-up: %1").arg(popups[p - 1]), page);
            grid->addWidget(b, 2 + (p - 1) / 2, (p - 1) % 2);
            connect(b, &QPushButton::clicked, this, [this, p] {
                PopupInfo popup(this);
                popup.setPicture(p);
                report(QString("pop-up %1 closed with %2").arg(p).arg(popup.exec()));
            });
        }
        return page;
    }

    void runKeyboard(bool special)
    {
        VirtualKeyboard kb(this);
        kb.setText(m_lastText);
        kb.enableSpecialChar(special);
        kb.useEnterAsAccept(special);
        const int rc = kb.exec();
        if (rc == 1)
            m_lastText = kb.getText();
        report(QString("exec() %1, text \"%2\"").arg(rc).arg(kb.getText().replace('\n', "\\n")));
    }

    QWidget* buttonPage()
    {
        auto* page = new QWidget;
        auto* first = new SettingsButton(page);
        first->setGeometry(5, 5, 420, 50);
        first->setText2("Power off", "30 min");
        auto* second = new SettingsButton(page);
        second->setGeometry(5, 60, 420, 50);
        second->setText2("Brightness", "80 %");
        for (SettingsButton* s : {first, second}) {
            connect(s, &QPushButton::clicked, this, [this, s] {
                report(QString("%1: %2").arg(s->getText1(), s->getText2()));
            });
        }
        auto* icon = new IconButton(page);
        icon->setGeometry(5, 115, 230, 50);
        icon->setStyleSheet("QPushButton { image: url(:/Resources/Icons/Management/Systemsettings/"
                            "Favourite_ws_40px.png); image-position: left; padding-left: 6px; }");
        icon->setText("Favourite");
        connect(icon, &QPushButton::clicked, this, [this] { report("IconButton clicked"); });
        auto* tip = new TooltipButton(page);
        tip->setGeometry(245, 115, 230, 50);
        tip->setText("Hold me");
        tip->setToolTip("Tooltip after 700 ms");
        connect(tip, &QPushButton::clicked, this, [this] { report("TooltipButton clicked"); });
        auto* hint = new QLabel("Settings, icon and tooltip buttons", page);
        hint->setGeometry(5, 172, 470, 40);
        hint->setAlignment(Qt::AlignCenter);
        return page;
    }

    QWidget* barPage()
    {
        auto* page = new QWidget;
        auto* picture = new PictureButton(page);
        picture->setGeometry(5, 5, 150, 110);
        picture->setText("Tap me");
        connect(picture, &PictureButton::mouseReleased, this, [this](QPointF p) {
            report(QString("released at (%1, %2)").arg(p.x()).arg(p.y()));
        });

        m_level = new ProgressBarMinMaxMarker(page);
        m_level->setGeometry(165, 5, 310, 35);
        m_level->setRange(0, 1000);
        m_level->setTextVisible(false);
        auto* levelText = new QLabel("Level 0..1000, min and max", page);
        levelText->setGeometry(165, 42, 310, 24);
        QFont small = levelText->font();
        small.setPixelSize(15);
        levelText->setFont(small);
        auto* animate = new QTimer(this);
        connect(animate, &QTimer::timeout, this, [this] { stepLevel(); });
        animate->start(150);
        stepLevel();

        auto* copyButton = demoButton("Copy 16 MB file", page);
        copyButton->setGeometry(165, 70, 310, 45);
        m_copyBar = new QProgressBar(page);
        m_copyBar->setGeometry(5, 125, 470, 30);
        m_copyBar->setRange(0, 100);
        m_copyBar->setValue(0);
        setUpCopy();
        connect(copyButton, &QPushButton::clicked, this, [this] { startCopy(); });
        return page;
    }

    // A slow swell with a faster ripple on it.
    static std::vector<float> wave(int n, float base, float swell, float swellRate, float ripple,
                                   float rippleRate)
    {
        std::vector<float> v(n);
        for (int i = 0; i < n; ++i)
            v[i] = base + swell * std::sin(i * swellRate) + ripple * std::sin(i * rippleRate);
        return v;
    }

    // A chart at the top left of a page; axes as min, max, main step, minor step.
    static LongtermData* addChart(QWidget* page, QSize size, std::array<float, 4> x,
                                  std::array<float, 4> y, QColor scale, QColor data)
    {
        auto* chart = new LongtermData(page);
        chart->setGeometry(QRect(QPoint(5, 5), size));
        chart->setAxisX(x[0], x[1], x[2], x[3], true);
        chart->setAxisY(y[0], y[1], y[2], y[3], true);
        chart->init(size.width(), size.height(), scale, data);
        return chart;
    }

    // The long-term screen's chart, wrapped once: the current lap in the data
    // colour, the rest of the previous lap in black; below it the heating dial
    // at four times, each with the same range bar.
    QWidget* levelChartPage()
    {
        auto* page = new QWidget;
        LongtermData* chart = addChart(page, QSize(416, 136), {0, 3, 0.5f, 0.1f}, {0, 100, 20, 10},
                                       QColor(213, 211, 18), QColor(255, 255, 100));
        // The newer lap a little louder than the one it overwrites.
        std::vector<float> ring = wave(180, 40, 12, 0.15f, 5, 1.3f);
        for (int i = 0; i < 70; ++i)
            ring[i] += 18;
        chart->drawData(ring.data(), 70, 180, true);

        const int times[] = {0, 299, 300, 600};
        for (int i = 0; i < 4; ++i) {
            auto* dial = new TimerH2Heating(page);
            dial->setGeometry(5 + 118 * i, 150, 50, 65);
            dial->setText("H2");
            dial->setAlignment(Qt::AlignCenter);
            dial->init();
            dial->setRangeVisualisation(200, 250, 100);
            dial->setCurrentTime(times[i]);
            auto* caption = new QLabel(QString("%1 s").arg(times[i]), page);
            caption->setGeometry(60 + 118 * i, 165, 60, 24);
        }
        return page;
    }

    // The pressure screen's chart at 0..25 bar: a minute of samples.
    QWidget* pressureChartPage()
    {
        auto* page = new QWidget;
        LongtermData* chart = addChart(page, QSize(420, 195), {0, 60, 10, 50}, {0, 25, 5, 1},
                                       QColor(128, 155, 255), QColor(173, 216, 230));
        std::vector<float> bar = wave(6000, 12, 6, 0.002f, 0.25f, 0.7f);
        chart->drawDataScaled(bar.data(), 5999, 6000, false, 0, 25);
        return page;
    }

    void stepLevel()
    {
        static const int levels[] = {420, 510, 640, 700, 580, 470, 390, 450, 760, 820, 690, 530};
        const int v = levels[m_levelStep++ % int(sizeof levels / sizeof levels[0])];
        m_level->setValue(v);
        m_minLevel = m_minLevel < 0 ? v : qMin(m_minLevel, v);
        m_maxLevel = qMax(m_maxLevel, v);
        m_level->setMinMarker(m_minLevel);
        m_level->setMaxMarker(m_maxLevel);
        m_level->update();
    }

    // The worker lives on its own thread, as in the firmware update.
    void setUpCopy()
    {
        m_copy = new FileCopyThread;
        m_copy->moveToThread(&m_copyThread);
        connect(&m_copyThread, &QThread::finished, m_copy, &QObject::deleteLater);
        connect(m_copy, &FileCopyThread::copyResult, this, [this](bool ok) {
            m_poll.stop();
            m_copyBar->setValue(m_copy->getProgress());
            report(ok ? "copy finished: success" : "copy finished: FAILED");
        });
        m_poll.setInterval(100);
        connect(&m_poll, &QTimer::timeout, this, [this] { m_copyBar->setValue(m_copy->getProgress()); });
        m_copyThread.start();
    }

    void startCopy()
    {
        if (m_poll.isActive() || !m_tmp.isValid())
            return;
        const QString source = m_tmp.filePath("source.bin");
        QFile f(source);
        if (!f.exists() && f.open(QIODevice::WriteOnly)) {
            QByteArray chunk(1 << 20, 'v');
            for (int i = 0; i < 16; ++i)
                f.write(chunk);
            f.close();
        }
        m_copyBar->setValue(0);
        report("copying ...");
        m_poll.start();
        // The copy writes below a device root only: the demo's own folder is one.
        QFile marker(DeviceRoot::markerPath(m_tmp.path()));
        if (!marker.exists() && marker.open(QIODevice::WriteOnly))
            marker.close();
        qputenv("DEVICE_ROOT", QFile::encodeName(m_tmp.path()));
        QMetaObject::invokeMethod(m_copy, "copyFile", Qt::QueuedConnection, Q_ARG(QString, "/source.bin"),
                                  Q_ARG(QString, "/target.bin"));
    }

    QStackedWidget* m_pages = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_result = nullptr;
    QString m_lastText;
    ProgressBarMinMaxMarker* m_level = nullptr;
    int m_levelStep = 0;
    int m_minLevel = -1;
    int m_maxLevel = -1;
    QProgressBar* m_copyBar = nullptr;
    FileCopyThread* m_copy = nullptr;
    QThread m_copyThread;
    QTimer m_poll;
    QTemporaryDir m_tmp;
};

bool save(const QImage& img, const QString& dir, const QString& name)
{
    const QString path = QDir(dir).filePath(name + ".png");
    const bool ok = img.save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << "\n";
    return ok;
}

// A dialog drawn over the demo page it was opened from.
QImage over(Demo& demo, QWidget& dialog, const QPoint& at)
{
    QImage img = demo.grab().toImage();
    dialog.show();
    QCoreApplication::processEvents();
    QPainter p(&img);
    p.drawPixmap(at, dialog.grab());
    p.end();
    dialog.hide();
    return img;
}

int screenshots(Demo& demo, const QString& dir)
{
    QDir().mkpath(dir);
    bool ok = true;
    demo.show();
    demo.advanceLevel(6);  // a minimum and a maximum to mark
    for (int i = 0; i < demo.pageCount(); ++i) {
        demo.showPage(i);
        QCoreApplication::processEvents();
        ok &= save(demo.grab().toImage(), dir, QString("page%1").arg(i + 1));
    }
    demo.showPage(0);
    int n = 0;
    for (const MessageCase& c : kMessages) {
        MessageDialog d(&demo);
        prepareMessage(d, c);
        ok &= save(over(demo, d, QPoint(0, 0)), dir, QString("message%1").arg(++n));
    }
    demo.showPage(1);
    for (bool special : {false, true}) {
        VirtualKeyboard kb(&demo);
        kb.enableSpecialChar(special);
        kb.setText(special ? "P" : "");
        ok &= save(over(demo, kb, QPoint(0, 0)), dir, special ? "keyboard-special" : "keyboard");
    }
    for (int p = 1; p <= 3; ++p) {
        PopupInfo popup(&demo);
        popup.setPicture(p);
        ok &= save(over(demo, popup, QPoint(215, 111)), dir, QString("popup%1").arg(p));
    }
    return ok ? 0 : 1;
}

}

int main(int argc, char* argv[])
{
    // The demo copies only inside its own temporary folder, never below a given device root.
    qunsetenv("DEVICE_ROOT");
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);

    QFont font("Arial Unicode MS");
    font.setPixelSize(20);
    font.setWeight(QFont::Normal);
    app.setFont(font);
    QFile qss(":/Stylesheets/Resources/Stylesheets/default.qss");
    if (qss.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(qss.readAll()));
    FocusFrame::install();
    QTranslator english;
    if (english.load(":/Languages/GB_VQ4100.qm"))
        app.installTranslator(&english);

    Demo demo;
    const QStringList args = app.arguments();
    const int shots = args.indexOf("--screenshots");
    if (shots > 0) {
        if (shots + 1 >= args.size()) {
            QTextStream(stderr) << "usage: uidemo [--screenshots DIR]\n";
            return 2;
        }
        return screenshots(demo, args.at(shots + 1));
    }
    demo.show();
    return app.exec();
}
