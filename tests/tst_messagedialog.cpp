// The standard message dialog: buttons and their result codes, IO key,
// auto-close and icons.
#include "Tools/messagedialog.h"
#include "modalhelper.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestMessageDialog : public QObject
{
    Q_OBJECT
private slots:
    void typeButtonsGiveTheirCodes_data();
    void typeButtonsGiveTheirCodes();
    void typeNeverSetGivesNoResult();
    void ioKeyGivesCancelAndExecReturnsZero();
    void autoCloseUnlessAnswered();
    void autoCloseLimits_data();
    void autoCloseLimits();
    void icons();
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
    // For each shown button, in order: its name, text and code.
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("type");
    const QStringList ok{"butMiddle"}, two{"butMiddle", "butRight"}, three{"butLeft", "butMiddle", "butRight"};
    QTest::newRow("0 OK") << ok << QStringList{"OK"} << QList<int>{0} << 0;
    QTest::newRow("1 OK/Cancel") << two << QStringList{"OK", "Cancel"} << QList<int>{0, 1} << 1;
    QTest::newRow("2 Yes/No") << two << QStringList{"Yes", "No"} << QList<int>{2, 3} << 2;
    QTest::newRow("3 Yes/No/Cancel") << three << QStringList{"Yes", "No", "Cancel"} << QList<int>{2, 3, 1} << 3;
    QTest::newRow("4 acts as 0") << ok << QStringList{"OK"} << QList<int>{0} << 4;
    QTest::newRow("-1 acts as 0") << ok << QStringList{"OK"} << QList<int>{0} << -1;
}

void TestMessageDialog::typeButtonsGiveTheirCodes()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, codes);
    QFETCH(int, type);

    // A type set after another one must not keep buttons of the first.
    for (int previous : {3, 1}) {
        for (int shown = 0; shown < names.size(); ++shown) {
            MessageDialog d;
            d.setDialogType(previous);
            d.setDialogType(type);
            QCOMPARE(d.getPressedButton(), -1);
            for (const char* name : {"butLeft", "butMiddle", "butRight"}) {
                const int i = names.indexOf(name);
                QCOMPARE(!button(d, name)->isHidden(), i >= 0);
                if (i >= 0)
                    QCOMPARE(button(d, name)->text(), texts.at(i));
            }
            // Each shown button closes the dialog with its code.
            QPushButton* b = button(d, qPrintable(names.at(shown)));
            ModalHelper::onNextModal([b](QWidget*) { QTest::mouseClick(b, Qt::LeftButton); });
            guard(d);
            QCOMPARE(d.exec(), 0);
            QCOMPARE(d.getPressedButton(), codes.at(shown));
        }
    }
}

void TestMessageDialog::typeNeverSetGivesNoResult()
{
    const QStringList texts{"Yes", "No", "Cancel"};
    int i = 0;
    for (const char* name : {"butLeft", "butMiddle", "butRight"}) {
        MessageDialog d;
        QVERIFY(!button(d, name)->isHidden());
        QCOMPARE(button(d, name)->text(), texts.at(i++));
        button(d, name)->click();
        QCOMPARE(d.getPressedButton(), -1);
    }
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

void TestMessageDialog::autoCloseUnlessAnswered()
{
    MessageDialog d;
    d.setDialogType(MessageDialog::TypeOk);
    d.setAutoCloseTimeout(1);
    QCOMPARE(d.getAutoCloseTimeout(), 1);
    guard(d);
    QCOMPARE(d.exec(), 0);
    QCOMPARE(d.getPressedButton(), 4);

    // An answer stops it: a button, and the IO key on a type without Cancel.
    for (bool byKey : {false, true}) {
        MessageDialog a;
        a.setDialogType(byKey ? MessageDialog::TypeOk : MessageDialog::TypeOkCancel);
        a.setAutoCloseTimeout(60);
        if (byKey) {
            QTest::keyPress(&a, Qt::Key_Escape);
            QTest::keyRelease(&a, Qt::Key_Escape);
        } else {
            button(a, "butRight")->click();
        }
        QCOMPARE(a.getPressedButton(), 1);
        QVERIFY(!closeTimer(a)->isActive());
    }
}

void TestMessageDialog::autoCloseLimits_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("kept");
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

void TestMessageDialog::icons()
{
    // Out of range: the information icon. Question is also the form's.
    const QList<QPair<int, QString>> icons = {{0, "Information"}, {1, "Warning"},     {2, "Error"},
                                              {3, "Question"},    {4, "Information"}, {-1, "Information"}};
    for (const auto& icon : icons) {
        MessageDialog d;
        auto* label = d.findChild<QLabel*>("labelIcon");
        d.setIcon(icon.first);
        const QString path = QString(":/Resources/Icons/Tools/Messagedialog/%1.png").arg(icon.second);
        QCOMPARE(label->styleSheet(), QString("image: url(%1);").arg(path));
        QVERIFY(label->text().isEmpty());
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }
}

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
