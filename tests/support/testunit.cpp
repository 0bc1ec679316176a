#include "testunit.h"
#include "Hardware/devicelayer.h"
#include "Management/measmanagement.h"
#include "Management/systemsettings.h"
#include "Tools/statusbar.h"
#include "mainmenu.h"
#include "recordingcodecmixer.h"

#include <QFileInfo>
#include <QSettings>
#include <QStackedWidget>
#include <QTimer>

TestUnit::TestUnit(DeviceTree::Hardware hw)
    : root(hw)
{
    RecordingBluetooth::install(&modules);
}

TestUnit::~TestUnit()
{
    delete m_window;
    RecordingBluetooth::uninstall();
}

void TestUnit::setSetting(const QString& key, const QVariant& value)
{
    const QString file = root.path(Systemsettings::kSettingsFile);
    if (!QFileInfo::exists(file))
        Systemsettings defaults; // writes the file with every default
    QSettings s(file, QSettings::IniFormat);
    s.setValue(key, value);
    s.sync();
}

MainMenu* TestUnit::start()
{
    // The program's objects never run on the PC's own paths.
    if (!DeviceLayer::isConfigured() || DeviceLayer::root() != root.root())
        qFatal("TestUnit: not on its own device root: %s", qPrintable(DeviceLayer::rootProblem()));
    if (!m_window)
        m_window = new MainMenu();
    return m_window;
}

void TestUnit::holdStatusPolls()
{
    for (const char* name : {"statusUpdateTimer", "statusRareUpdateTimer"})
        if (auto* timer = StatusbarData()->findChild<QTimer*>(name, Qt::FindDirectChildrenOnly))
            timer->stop();
}

QWidget* TestUnit::currentPage() const
{
    auto* stack = m_window ? m_window->findChild<QStackedWidget*>("mainWidget") : nullptr;
    return stack ? stack->currentWidget() : nullptr;
}

QWidget* TestUnit::mainPage() const
{
    return m_window ? m_window->findChild<QWidget*>("mainPage") : nullptr;
}

QVector<int> TestUnit::menuStack() const
{
    QVector<int> s;
    for (int level = 0; m_window && level <= m_window->menuLevel(); ++level)
        s << m_window->storedWidgetAt(level);
    return s;
}

void TestUnit::openStoredView(int widget, const QString& dir)
{
    m_window->displayWidget(Screen::MeasManagement, Screen::LevelDown, Screen::Live);
    m_window->getInstanceMeasManagement()->setSelectedMeasurementDir(dir);
    m_window->displayWidget(widget, Screen::StackUnchanged, Screen::StoredView);
}

RecordingCodecMixer* recordCodec(MainMenu* w)
{
    auto* mixer = new RecordingCodecMixer;
    w->getAudioCodecInstance()->setMixer(std::unique_ptr<CodecMixer>(mixer));
    return mixer;
}
