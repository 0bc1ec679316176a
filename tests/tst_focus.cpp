// Worked with the keys alone: after every dialog and every change of page
// some control of what is shown holds the focus, and the frame marks it; Up
// and Down reach every control; a question that destroys opens on No.
#include "Management/firmwareupdate.h"
#include "Management/measmanagementedit.h"
#include "Tools/messagedialog.h"
#include "clickbutton.h"
#include "focuscheck.h"
#include "mainmenu.h"
#include "modalhelper.h"
#include "screenwalk.h"
#include "storedentries.h"
#include "testunit.h"

#include <QAbstractButton>
#include <QPointer>
#include <QtTest>

namespace {

// To the focused control, else to `window` (one without any).
void key(Qt::Key code, QWidget* window = nullptr)
{
    QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyPress(to, code);
    QTest::keyRelease(to, code);
}

// OK on every button the keys reach, on every screen and in every dialog
// that opens (and those they open), each once; a dialog left open is closed
// with the IO key. After each press the focus must show on what is shown.
class KeyWalk
{
public:
    explicit KeyWalk(TestUnit& unit) : m_unit(unit), m_closer([this](QWidget* d) { walk(d, d); }) {}

    void screen(const ScreenWalk::Screen& s)
    {
        auto open = [&] {
            m_unit.window()->displayWidget(s.number, 1, 0);
            settleFocus();
            // A measurement screen warns of a lost accessory link by itself.
            QMetaObject::invokeMethod(m_unit.currentPage(), "checkBtConnection");
            settleFocus();
            check(s.name);
            return m_unit.currentPage();
        };
        walk(open(), nullptr, open);
        open();
        for (Qt::Key code : {Qt::Key_Down, Qt::Key_Up}) {
            for (int i = 0; i < 12 && QApplication::focusWidget(); ++i) {
                key(code);
                check(QString("%1 after key %2").arg(s.name).arg(code));
            }
        }
    }

    QStringList faults;
    int dialogs = 0;

private:
    // The buttons of `area` (a screen, or the open `dialog`); `reopen` brings
    // a screen back that a button left.
    void walk(QWidget* area, QWidget* dialog, const std::function<QWidget*()>& reopen = nullptr)
    {
        dialogs += dialog ? 1 : 0;
        const QString name = area->metaObject()->className();
        const auto left = [&](QAbstractButton* b) {
            return b && (b->focusPolicy() & Qt::TabFocus) && b->window() == area->window()
                   && b->isEnabled() && !m_pressed.contains(name + '/' + b->objectName());
        };
        QList<QPointer<QAbstractButton>> buttons;
        for (QAbstractButton* b : area->findChildren<QAbstractButton*>())
            buttons << b;
        bool pressed = false;
        for (const QPointer<QAbstractButton>& b : buttons) {
            if (dialog && !dialog->isVisible())
                break;
            if (reopen && m_unit.currentPage() != area)
                reopen();
            if (!dialog && b)
                ScreenWalk::showPageOf(b);
            if (!left(b) || !b->isVisible())
                continue;
            const QString at = name + '/' + b->objectName();
            m_pressed.insert(at);
            pressed = true;
            // Again while a dialog it opened closed with buttons left.
            for (int round = 0; round < 60 && b && b->isVisible(); ++round) {
                b->setFocus(Qt::TabFocusReason);
                if (QApplication::focusWidget() != b) {
                    faults << at + ": the keys do not reach it";
                    break;
                }
                m_unfinished = false;
                key(Qt::Key_Space);
                if (!dialog || dialog->isVisible())
                    check(at, dialog);
                if (!m_unfinished)
                    break;
            }
        }
        m_unfinished = pressed && std::any_of(buttons.begin(), buttons.end(), [&](const auto& b) {
                           return left(b) && b->isVisibleTo(area);
                       });
        if (dialog && dialog->isVisible())
            key(Qt::Key_Escape, dialog);
    }

    void check(const QString& at, QWidget* dialog = nullptr)
    {
        settleFocus();
        const QString fault = focusFault(dialog ? dialog : m_unit.currentPage());
        if (!fault.isEmpty())
            faults << at + ": " + fault;
    }

    TestUnit& m_unit;
    QSet<QString> m_pressed;
    bool m_unfinished = false;
    ModalCloser m_closer;
};

// The shown, enabled controls of `window`: its buttons, and whatever else
// takes the focus by Tab.
QList<QWidget*> shownControls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() == window && w->isVisible() && w->isEnabled()
            && (qobject_cast<QAbstractButton*>(w) || (w->focusPolicy() & Qt::TabFocus)))
            controls << w;
    }
    return controls;
}

// What Down alone, and Up alone, do not reach again and again in `window`
// from the control that has the focus (else from its first): "<control> by
// Down" and the like. A control that keeps the focus for ever hides the rest.
QStringList unreached(QWidget* window)
{
    const QList<QWidget*> controls = shownControls(window);
    QPointer<QWidget> start = QApplication::focusWidget();
    if (!controls.contains(start))
        start = controls.value(0);
    // Each control, and the rows of a list, more than once.
    const int round = 3 * controls.size() + 12;
    QStringList missing;
    for (Qt::Key code : {Qt::Key_Down, Qt::Key_Up}) {
        if (start)
            start->setFocus(Qt::OtherFocusReason);
        QSet<QWidget*> reached;
        for (int i = 0; i < 2 * round; ++i) {
            if (i >= round)
                reached.insert(QApplication::focusWidget());
            key(code, window);
        }
        for (QWidget* c : controls) {
            if (!reached.contains(c))
                missing << c->objectName() + (code == Qt::Key_Down ? " by Down" : " by Up");
        }
    }
    return missing;
}

}

class TestFocus : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void everyDialogAndPageLeavesTheFrame();
    void upAndDownReachEveryControl();
    void destroyingQuestionsOpenOnNo();
    void focusReturnsToItsControlWhileItCan_data();
    void focusReturnsToItsControlWhileItCan();
    void touchMovesTheFrame();

private:
    std::unique_ptr<TestUnit> m_unit;
};

void TestFocus::init()
{
    // The unit before goes first: it takes its device root and the Bluetooth
    // doubles' hook with it, so that the next one's are in force.
    m_unit.reset();
    m_unit = std::make_unique<TestUnit>();
    MainMenu* w = m_unit->start();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void TestFocus::everyDialogAndPageLeavesTheFrame()
{
    KeyWalk walk(*m_unit);
    for (const ScreenWalk::Screen& s : ScreenWalk::screens())
        walk.screen(s);
    QVERIFY2(walk.faults.isEmpty(), qPrintable(walk.faults.join('\n')));
    QVERIFY2(walk.dialogs > 50, qPrintable(QString::number(walk.dialogs)));
}

void TestFocus::upAndDownReachEveryControl()
{
    // Lists with rows to step through.
    for (const char* dir : {"PP_20160412_093015_A", "LE_20160413_101500_B", "LT_20160414_120000_C"})
        QVERIFY(StoredEntries::add(m_unit->root, dir));
    QVERIFY(m_unit->root.write("/media/vq4100/FW_VQA4100_2.0.0.vq4", "unit"));
    QVERIFY(m_unit->root.write("/media/vq4100/FW_TB9_1.05.tb9", "tb9"));
    // What the keys need not reach, and why.
    const QHash<QString, QStringList> notForKeys{
        // Up and Down turn its pages: they are its arrows.
        {"gps", {"butMenuUp", "butMenuDown"}},
        // Touched for a zone; the arrows step the zones.
        {"timezone", {"butWorldmap"}}};
    QStringList faults;
    ScreenWalk::run(m_unit->window(), *m_unit, [&](const QString& name, QWidget* top) {
        QWidget* window = top->window();
        // What the dialog before left queued.
        settleFocus();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(QTest::qWaitFor([window] {
            QWidget* focus = QApplication::focusWidget();
            return (focus && focus->window() == window) || shownControls(window).isEmpty();
        }));
        QStringList missing = unreached(window);
        for (const QString& control : notForKeys.value(name.section('/', 0, 0))) {
            missing.removeAll(control + " by Down");
            missing.removeAll(control + " by Up");
        }
        if (!missing.isEmpty())
            faults << name + ": " + missing.join(", ");
    });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestFocus::destroyingQuestionsOpenOnNo()
{
    const QString entry = "PP_20160412_093015_Hydrant 3";
    QVERIFY(StoredEntries::add(m_unit->root, entry));
    QVERIFY(m_unit->root.write("/media/vq4100/FW_VQA4100_2.0.0.vq4", "unit"));
    QStringList focused;
    // OK on whatever the question opens with.
    ModalCloser ok([&](QWidget*) {
        focused << QApplication::focusWidget()->property("text").toString();
        key(Qt::Key_Space);
    });
    MeasManagementEdit edit(m_unit->window());
    edit.setMeasurement(StoredMeasurement::fromDirName(entry));
    click(&edit, "butDelete");
    Firmwareupdate update(m_unit->window());
    update.show();
    QTest::keyClick(update.findChild<QWidget*>("listFiles"), Qt::Key_Space);
    QCOMPARE(focused, QStringList({"No", "No"}));
    QVERIFY(QFileInfo::exists(StoredEntries::path(m_unit->root, entry)));
    QVERIFY(!m_unit->root.exists("/home/root/firmware/FW_VQA4100_2.0.0.vq4"));
}

void TestFocus::focusReturnsToItsControlWhileItCan_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("focused");
    QTest::newRow("kept") << "" << "butLevelmeasurement";
    // Disabling moves the window's focus to the next control.
    QTest::newRow("disabled") << "disable" << "butLongtermmeasurement";
    QTest::newRow("hidden") << "hide" << "butPinpointing";
    QTest::newRow("page changed") << "management" << "butMeasurements";
    // A screen's own focus step after its dialog stands.
    QTest::newRow("given by the screen") << "give" << "butPipelocating";
}

void TestFocus::focusReturnsToItsControlWhileItCan()
{
    QFETCH(QString, meanwhile);
    QFETCH(QString, focused);
    MainMenu* w = m_unit->window();
    auto* level = w->findChild<QWidget*>("butLevelmeasurement");
    level->setFocus();
    bool closedByIo = false;
    ModalCloser io([&](QWidget* dialog) {
        if (meanwhile == "disable")
            level->setEnabled(false);
        else if (meanwhile == "hide")
            level->hide();
        else if (meanwhile == "management")
            w->displayWidget(4, 1, 0);
        key(Qt::Key_Escape);
        if (meanwhile == "give")
            w->findChild<QWidget*>("butPipelocating")->setFocus();
        closedByIo = !dialog->isVisible();
    });
    // Without a parent, as the store's messages are.
    MessageDialog::showWarningText(nullptr, "closed with IO");
    QVERIFY(closedByIo);
    settleFocus();
    QWidget* focus = QApplication::focusWidget();
    QCOMPARE(focus ? focus->objectName() : QString(), focused);
    QCOMPARE(focusFault(m_unit->currentPage()), QString());
}

void TestFocus::touchMovesTheFrame()
{
    auto* longterm = m_unit->window()->findChild<QWidget*>("butLongtermmeasurement");
    QTest::mouseClick(longterm, Qt::LeftButton);
    QCOMPARE(m_unit->currentPage()->metaObject()->className(), "Longtermmeasurement");
    m_unit->window()->displayWidget(0, 1, 0);
    QCOMPARE(QApplication::focusWidget(), longterm);
    QCOMPARE(focusFault(m_unit->mainPage()), QString());
}

QTEST_MAIN(TestFocus)
#include "tst_focus.moc"
