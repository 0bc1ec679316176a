#ifndef TESTUNIT_H
#define TESTUNIT_H

#include "recordingbluetooth.h"
#include "testroot.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>

class MainMenu;

// A main window on a fresh simulated device, with recording Bluetooth
// doubles in place of the module pair.
class TestUnit
{
public:
    explicit TestUnit(DeviceTree::Hardware hw = DeviceTree::Hardware::V2);
    ~TestUnit();
    TestUnit(const TestUnit&) = delete;
    TestUnit& operator=(const TestUnit&) = delete;

    // Before start(): one setting ("Group/Key") over the defaults.
    void setSetting(const QString& key, const QVariant& value);
    // Builds the main window (once).
    MainMenu* start();
    MainMenu* window() const { return m_window; }
    // Stops the status data's own 2 s and 30 s polls (started again by the
    // next main window), for tests that drive them or count what they send.
    static void holdStatusPolls();

    RecordingBluetooth* source() const { return modules.value(0); }
    RecordingBluetooth* sink() const { return modules.value(1); }

    // The page the main window shows.
    QWidget* currentPage() const;
    QWidget* mainPage() const;
    // The widget numbers of the menu stack, level 0 first.
    QVector<int> menuStack() const;
    // A stored measurement in its screen's stored view, as the browser opens
    // it (the browser's page below).
    void openStoredView(int widget, const QString& dir);

    TestRoot root;
    QList<RecordingBluetooth*> modules;

private:
    MainMenu* m_window = nullptr;
};

#endif
