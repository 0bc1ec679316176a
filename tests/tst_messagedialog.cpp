// The standard message dialog: buttons and their result codes, IO key,
// auto-close, icons, and the English texts of the dialogs.
#include "Tools/messagedialog.h"
#include "modalhelper.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

class TestMessageDialog : public QObject
{
    Q_OBJECT
private slots:
    void typeButtonsGiveTheirCodes_data();
    void typeButtonsGiveTheirCodes();
    void typeNeverSetGivesNoResult();
    void ioKeyGivesCancelAndExecReturnsZero();
    void autoCloseGivesTimeout();
    void autoCloseLimits_data();
    void autoCloseLimits();
    void answerStopsTheAutoClose();
    void icons_data();
    void icons();
    void englishTexts();
};

namespace {
QPushButton* button(MessageDialog& d, const char* name)
{
    return d.findChild<QPushButton*>(QString::fromLatin1(name));
}

QTimer* closeTimer(MessageDialog& d)
{
    return d.findChild<QTimer*>();
}

// Ends a modal run that went wrong instead of hanging the test.
void guard(QDialog& d)
{
    QTimer::singleShot(10000, &d, [&d] { d.done(-99); });
}
}

void TestMessageDialog::typeButtonsGiveTheirCodes_data()
{
    // shown: the buttons (L, M, R) that are visible; each shown button's text,
    // left edge and result code in that order.
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("0 OK") << 0 << "M" << QStringList{"OK"} << QList<int>{165} << QList<int>{0};
    QTest::newRow("1 OK/Cancel") << 1 << "MR" << QStringList{"OK", "Cancel"} << QList<int>{85, 245}
                                 << QList<int>{0, 1};
    QTest::newRow("2 Yes/No") << 2 << "MR" << QStringList{"Yes", "No"} << QList<int>{85, 245}
                              << QList<int>{2, 3};
    QTest::newRow("3 Yes/No/Cancel") << 3 << "LMR" << QStringList{"Yes", "No", "Cancel"}
                                     << QList<int>{5, 165, 325} << QList<int>{2, 3, 1};
    QTest::newRow("4 acts as 0") << 4 << "M" << QStringList{"OK"} << QList<int>{165} << QList<int>{0};
    QTest::newRow("-1 acts as 0") << -1 << "M" << QStringList{"OK"} << QList<int>{165} << QList<int>{0};
}

void TestMessageDialog::typeButtonsGiveTheirCodes()
{
    QFETCH(int, type);
    QFETCH(QString, shown);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, lefts);
    QFETCH(QList<int>, codes);

    // A type set after another one must not keep buttons of the first.
    for (int previous : {3, 1}) {
        MessageDialog probe;
        probe.setDialogType(previous);
        probe.setDialogType(type);
        const char* names[] = {"butLeft", "butMiddle", "butRight"};
        int shownIndex = 0;
        for (int i = 0; i < 3; ++i) {
            QPushButton* b = button(probe, names[i]);
            const bool visible = shown.contains(QLatin1Char("LMR"[i]));
            QCOMPARE(!b->isHidden(), visible);
            if (!visible)
                continue;
            QCOMPARE(b->text(), texts.at(shownIndex));
            QCOMPARE(b->geometry(), QRect(lefts.at(shownIndex), 212, 150, 50));
            ++shownIndex;
        }
    }

    // Each shown button closes a fresh dialog with its code.
    const char* names[] = {"butLeft", "butMiddle", "butRight"};
    int shownIndex = 0;
    for (int i = 0; i < 3; ++i) {
        if (!shown.contains(QLatin1Char("LMR"[i])))
            continue;
        MessageDialog d;
        d.setDialogType(type);
        QCOMPARE(d.getPressedButton(), -1);
        QPushButton* b = button(d, names[i]);
        ModalHelper::onNextModal([b](QWidget*) { QTest::mouseClick(b, Qt::LeftButton); });
        guard(d);
        QCOMPARE(d.exec(), 0);
        QCOMPARE(d.getPressedButton(), codes.at(shownIndex));
        ++shownIndex;
    }
}

void TestMessageDialog::typeNeverSetGivesNoResult()
{
    for (const char* name : {"butLeft", "butMiddle", "butRight"}) {
        MessageDialog d;
        QVERIFY(!button(d, name)->isHidden());
        button(d, name)->click();
        QCOMPARE(d.getPressedButton(), -1);
    }
    MessageDialog d;
    QCOMPARE(button(d, "butLeft")->text(), QString("Yes"));
    QCOMPARE(button(d, "butMiddle")->text(), QString("No"));
    QCOMPARE(button(d, "butRight")->text(), QString("Cancel"));
}

void TestMessageDialog::ioKeyGivesCancelAndExecReturnsZero()
{
    MessageDialog d;
    d.setDialogType(MessageDialog::TypeYesNo);
    bool openAfterPress = false;
    bool openAfterReturn = false;
    ModalHelper::onNextModal([&](QWidget* w) {
        // The press does nothing; neither does QDialog's Enter handling.
        QTest::keyPress(w, Qt::Key_Escape);
        openAfterPress = w->isVisible();
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Enter);
        openAfterReturn = w->isVisible() && d.getPressedButton() == -1;
        QTest::keyRelease(w, Qt::Key_Escape);
    });
    guard(d);
    QCOMPARE(d.exec(), 0);
    QVERIFY(openAfterPress);
    QVERIFY(openAfterReturn);
    QCOMPARE(d.getPressedButton(), 1);  // Cancel, although the dialog has none
}

void TestMessageDialog::autoCloseGivesTimeout()
{
    MessageDialog d;
    d.setDialogType(MessageDialog::TypeOk);
    d.setAutoCloseTimeout(1);
    QCOMPARE(d.getAutoCloseTimeout(), 1);
    guard(d);
    QCOMPARE(d.exec(), 0);
    QCOMPARE(d.getPressedButton(), 4);
}

void TestMessageDialog::autoCloseLimits_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("kept");
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("120") << 120 << 120;
    QTest::newRow("86399") << 86399 << 86399;
    QTest::newRow("86400") << 86400 << -1;
    QTest::newRow("0") << 0 << -1;
    QTest::newRow("-1") << -1 << -1;
    QTest::newRow("INT_MIN") << INT_MIN << -1;
}

void TestMessageDialog::autoCloseLimits()
{
    QFETCH(int, seconds);
    QFETCH(int, kept);
    MessageDialog d;
    d.setAutoCloseTimeout(30);  // an invalid value also ends a running one
    d.setAutoCloseTimeout(seconds);
    QCOMPARE(d.getAutoCloseTimeout(), kept);
    QTimer* t = closeTimer(d);
    QVERIFY(t);
    QCOMPARE(t->isActive(), kept > 0);
    if (kept > 0)
        QCOMPARE(t->interval(), kept * 1000);
}

void TestMessageDialog::answerStopsTheAutoClose()
{
    MessageDialog d;
    d.setDialogType(MessageDialog::TypeOkCancel);
    d.setAutoCloseTimeout(60);
    button(d, "butRight")->click();
    QCOMPARE(d.getPressedButton(), 1);
    QVERIFY(!closeTimer(d)->isActive());

    MessageDialog e;
    e.setAutoCloseTimeout(60);
    QTest::keyPress(&e, Qt::Key_Escape);
    QTest::keyRelease(&e, Qt::Key_Escape);
    QCOMPARE(e.getPressedButton(), 1);
    QVERIFY(!closeTimer(e)->isActive());
}

void TestMessageDialog::icons_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "Information";
    QTest::newRow("1") << 1 << "Warning";
    QTest::newRow("2") << 2 << "Error";
    QTest::newRow("3") << 3 << "Question";
    QTest::newRow("4") << 4 << "Information";
    QTest::newRow("-1") << -1 << "Information";
}

void TestMessageDialog::icons()
{
    QFETCH(int, icon);
    QFETCH(QString, name);
    MessageDialog d;
    auto* label = d.findChild<QLabel*>("labelIcon");
    QVERIFY(QFile::exists(":/Resources/Icons/Tools/Messagedialog/Question.png"));  // the form's
    d.setIcon(icon);
    const QString path = QString(":/Resources/Icons/Tools/Messagedialog/%1.png").arg(name);
    QCOMPARE(label->styleSheet(), QString("image: url(%1);").arg(path));
    QVERIFY(label->text().isEmpty());
    QVERIFY(QFile::exists(path));
}

void TestMessageDialog::englishTexts()
{
    QTranslator english;
    QVERIFY(english.load(":/Languages/GB_VQ4100.qm"));
    const QList<QPair<const char*, QStringList>> contexts = {
        {"MessageDialog", {"OK", "Cancel", "Yes", "No"}},
        {"VirtualKeyboard", {"Accept", "Cancel", "DEL", "ENTER", "SHIFT", "SPACE"}},
    };
    for (const auto& c : contexts) {
        for (const QString& key : c.second)
            QCOMPARE(english.translate(c.first, key.toUtf8().constData()), key);
    }
}

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
