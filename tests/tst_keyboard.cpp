// The on-screen keyboard: typing, captions, cursor editing, Enter and the
// ways the dialog ends.
#include "Tools/virtualkeyboard.h"
#include "modalhelper.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void form();
    void typeFromEmpty();
    void specialCaptionsAndShift();
    void editsAtTheCursor();
    void enterAppendsAndTextIsTrimmed();
    void endings_data();
    void endings();
    void upAndDownLeaveTheField();
};

namespace {
QPushButton* key(VirtualKeyboard& kb, const QString& name)
{
    auto* b = kb.findChild<QPushButton*>("but_" + name);
    if (!b)
        qWarning() << "no key" << name;
    return b;
}

void type(VirtualKeyboard& kb, const QStringList& names)
{
    for (const QString& n : names)
        QTest::mouseClick(key(kb, n), Qt::LeftButton);
}

QPlainTextEdit* field(VirtualKeyboard& kb)
{
    return kb.findChild<QPlainTextEdit*>("textEdit");
}

void placeCursor(VirtualKeyboard& kb, int position)
{
    QTextCursor c = field(kb)->textCursor();
    c.setPosition(position);
    field(kb)->setTextCursor(c);
}

QString captions(VirtualKeyboard& kb, const QStringList& names)
{
    QString s;
    for (const QString& n : names)
        s += key(kb, n)->text();
    return s;
}

const QStringList kDigitRow = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
}

void TestKeyboard::form()
{
    // Every character key is there and types its character.
    VirtualKeyboard kb;
    kb.setText("");
    QStringList keys;
    for (char c = 'A'; c <= 'Z'; ++c)
        keys << QString(c);
    type(kb, keys + kDigitRow + QStringList{"Minus", "Underline", "Space"});
    QCOMPARE(kb.getText(), QString("Abcdefghijklmnopqrstuvwxyz1234567890-_"));
    QCOMPARE(field(kb)->toPlainText(), QString("Abcdefghijklmnopqrstuvwxyz1234567890-_ "));
}

void TestKeyboard::typeFromEmpty()
{
    VirtualKeyboard kb;
    kb.setText("");
    QCOMPARE(key(kb, "H")->text(), QString("H"));
    type(kb, {"H", "A", "L", "L", "O"});
    QCOMPARE(kb.getText(), QString("Hallo"));
    QCOMPARE(field(kb)->toPlainText(), QString("Hallo"));
    QCOMPARE(field(kb)->textCursor().position(), 5);

    // Back to one character by Del: lower case again; to none: upper case.
    type(kb, {"Del", "Del", "Del"});
    QCOMPARE(kb.getText(), QString("Ha"));
    type(kb, {"Shift", "Del"});
    QCOMPARE(key(kb, "A")->text(), QString("a"));
    type(kb, {"Del"});
    QCOMPARE(key(kb, "A")->text(), QString("A"));
    QCOMPARE(kb.getText(), QString());
}

void TestKeyboard::specialCaptionsAndShift()
{
    VirtualKeyboard kb;
    kb.enableSpecialChar(true);
    kb.setText("x");
    QCOMPARE(captions(kb, kDigitRow), QString("!:.,+/\"*@?"));
    QCOMPARE(captions(kb, {"Q", "Z", "Y", "Underline", "Minus"}), QString("qzy=-"));
    QCOMPARE(key(kb, "Space")->text(), QString(" "));

    type(kb, {"Shift"});
    QCOMPARE(captions(kb, kDigitRow), QString("1234567890"));
    QCOMPARE(captions(kb, {"Q", "Z", "Y", "Underline", "Minus"}), QString("QZY_-"));

    // A special key types its character.
    type(kb, {"Shift", "7"});
    QCOMPARE(kb.getText(), QString("x\""));

    // Without special characters lower case keeps the digits.
    VirtualKeyboard plain;
    plain.setText("x");
    QCOMPARE(captions(plain, kDigitRow), QString("1234567890"));
    QCOMPARE(key(plain, "Underline")->text(), QString("_"));
}

void TestKeyboard::editsAtTheCursor()
{
    VirtualKeyboard kb;
    kb.setText("abcdef");
    placeCursor(kb, 3);
    type(kb, {"Del"});
    QCOMPARE(kb.getText(), QString("abdef"));
    QCOMPARE(field(kb)->toPlainText(), QString("abdef"));
    QCOMPARE(field(kb)->textCursor().position(), 2);
    placeCursor(kb, 0);
    type(kb, {"Del"});
    QCOMPARE(kb.getText(), QString("abdef"));
    QCOMPARE(field(kb)->textCursor().position(), 0);

    VirtualKeyboard fresh;
    fresh.setText("Pipe");
    QCOMPARE(field(fresh)->textCursor().position(), 4);  // setText puts it at the end
    placeCursor(fresh, 1);
    // A longer preset leaves the case as it was (upper); Shift makes it lower.
    QCOMPARE(key(fresh, "X")->text(), QString("X"));
    type(fresh, {"Shift", "X"});
    QCOMPARE(fresh.getText(), QString("Pxipe"));
    QCOMPARE(field(fresh)->textCursor().position(), 2);
    type(fresh, {"Minus", "Space"});
    QCOMPARE(fresh.getText(), QString("Px- ipe"));

    // Typing into the field itself (the OK key arrives as a blank) must not
    // show a text other than the one returned.
    QTest::keyClick(field(fresh), Qt::Key_Space);
    QTest::keyClicks(field(fresh), "zz");
    QCOMPARE(field(fresh)->toPlainText(), fresh.getText());
}

void TestKeyboard::enterAppendsAndTextIsTrimmed()
{
    VirtualKeyboard kb;
    kb.setText("ab");
    placeCursor(kb, 0);
    type(kb, {"Enter"});
    QCOMPARE(field(kb)->toPlainText(), QString("ab\n"));
    QCOMPARE(kb.getText(), QString("ab"));
    // Trimmed, and not filtered: whoever stores a name checks it.
    kb.setText("  a/b:c*  ");
    QCOMPARE(kb.getText(), QString("a/b:c*"));
}

void TestKeyboard::endings_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Accept") << "Accept" << 1;
    QTest::newRow("Close") << "Close" << 0;
    QTest::newRow("IO key") << "Escape" << 0;
    QTest::newRow("Enter in accept mode") << "Enter" << 1;
}

void TestKeyboard::endings()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    VirtualKeyboard kb;
    kb.useEnterAsAccept(how == "Enter");
    kb.setText("Point 1");
    bool openAfterPress = false;
    if (how == "Escape")
        ModalHelper::escapeNextModal(&openAfterPress);
    else
        ModalHelper::onNextModal([&](QWidget*) { type(kb, {how}); });
    QTimer::singleShot(10000, &kb, [&] { kb.done(-99); });
    QCOMPARE(kb.exec(), result);
    if (how == "Escape")
        QVERIFY(openAfterPress);
    QCOMPARE(kb.getText(), QString("Point 1"));
}

void TestKeyboard::upAndDownLeaveTheField()
{
    VirtualKeyboard kb(nullptr);
    kb.show();
    QVERIFY(QTest::qWaitForWindowActive(&kb));
    for (auto [code, reached] : {std::pair(Qt::Key_Up, "but_Accept"), std::pair(Qt::Key_Down, "but_1")}) {
        field(kb)->setFocus();
        QTest::keyClick(field(kb), code);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(reached));
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
