// Texts of every built-in language fit where they show and have their glyphs
// in the application font; pictures of some of them for review.
#include "Tools/iconbutton.h"
#include "Tools/longtermdata.h"
#include "Tools/messagedialog.h"
#include "Tools/settingsbutton.h"
#include "Tools/unitfont.h"
#include "mainmenu.h"
#include "screenwalk.h"
#include "storedentries.h"
#include "testunit.h"
#include "tsfiles.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <QtTest>

#include <vector>

namespace {

// Languages whose pictures are written for review.
const QStringList kScreenshotLanguages = {"DE", "RU", "PL", "JP", "KR"};
// What the pictures show: a walk name, or a message dialog with the longest warning.
const QStringList kScreenshots = {
    "main", "management", "settings", "settings/mainArea1", "settings/mainArea2",
    "pinpointing", "level", "longterm", "h2", "pipelocating", "browser", "measedit", "keyboard",
    "microphone", "headphone", "pairing/failed", "pressure/extreme"};

// Contexts the review picture of a message takes its longest text from.
const QStringList kMessageContexts = {"MessageDialog", "Statusbardata", "Measurements", "MeasManagement",
                                      "Firmwareupdate"};
// The texts a dialog's status line shows one at a time, beside what else
// the dialog shows (the pairing dialog's, in their phases, come with the walk).
struct StatusLine {
    const char* context;
    const char* label;
    QVector<const char*> keys;
};
const StatusLine kStatusLines[] = {
    {"Configuration", "labelStatus",
     {"NoConnectionToTheTB9", "ReadingTheConfigurationOfTheTB9", "TheTB9DidNotAnswerCompletely"}},
    {"Firmwareupdate", "labelStatus",
     {"NoFirmwareFileOnTheDataPartition", "ChooseTheFileToInstall", "CopyingTheUpdateFile",
      "TheUnitRestartsToInstallTheUpdate", "SendingTheUpdateToTheTB9", "PleaseWaitUntilTheCopyHasFinished"}},
    {"BackupDialog", "labelInfo", {"TheDataPartitionIsOnTheUnit", "ThePCHoldsTheDataPartitionEjectItThenPressBack"}},
};
// Keys the program shows as a message's headline, beside its icon, in
// whichever context they are.
const QStringList kHeadlineKeys = {"Warning", "Note", "Error", "Delete", "Update"};

// Place markers filled as the worst case the program fills them with.
QString filled(QString text)
{
    text.replace(QRegularExpression("%[0-9n]"), "4000");
    return text;
}

QString plain(QString text)
{
    return text.replace(QRegularExpression("&(.)"), "\\1");
}

// The pieces a wrapped line cannot break inside: between two of Qt's line
// break opportunities (at spaces in most scripts, between almost any two
// characters in Chinese and Japanese).
QStringList unbreakable(const QString& text)
{
    QStringList pieces;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    int start = 0;
    while (finder.toNextBoundary() != -1) {
        pieces << text.mid(start, finder.position() - start).trimmed();
        start = finder.position();
    }
    return pieces;
}

int widest(const QFontMetrics& fm, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split('\n'))
        width = qMax(width, fm.horizontalAdvance(line));
    return width;
}

// Room for a button's text: its contents less the style sheet's image.
QRect buttonContents(QAbstractButton* b)
{
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    QRect r = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
    if (!b->icon().isNull())
        r.setLeft(r.left() + b->iconSize().width() + 4);
    const auto image = QRegularExpression("image:\\s*url\\(([^)]*)\\)[^}]*image-position:\\s*left")
                           .match(b->styleSheet());
    if (image.hasMatch())
        r.setLeft(r.left() + QPixmap(image.captured(1)).width());
    return r;
}

// The focus frame's border, from the application's style sheet: it lies
// inside the focused control, over the control's edge.
int focusFrameBorder()
{
    const auto border = QRegularExpression("FocusFrame\\s*\\{[^}]*border:\\s*(\\d+)px").match(qApp->styleSheet());
    return border.hasMatch() ? border.captured(1).toInt() : 0;
}

// The ink of a text a widget paints itself, where drawText puts it.
QRect inkRect(const DrawnText& t)
{
    const QFontMetrics fm(t.font);
    const QRect line = fm.boundingRect(t.box, t.flags, t.text);
    return fm.tightBoundingRect(t.text).translated(line.left(), line.top() + fm.ascent());
}

// Where a label's text lies, in its own coordinates: the ink of one line,
// the line boxes of more.
QRect textRect(QLabel* label, const QString& text)
{
    const int m = label->margin();
    const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
    const QFontMetrics fm(label->font());
    if (!text.contains('\n') && fm.horizontalAdvance(text) <= room.width())
        return inkRect({text, label->font(), room, int(label->alignment())});
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return fm.boundingRect(room, flags, text);
}

// Where a label's picture lies (a pixmap or a style sheet's image, centred,
// scaled down to fit), in its own coordinates; empty without one.
QRect pictureRect(QLabel* label)
{
    QSize size = label->pixmap(Qt::ReturnByValue).size();
    if (size.isEmpty()) {
        const auto image = QRegularExpression("(?<![-\\w])image:\\s*url\\(([^)]*)\\)").match(label->styleSheet());
        if (image.hasMatch())
            size = QPixmap(image.captured(1)).size();
    }
    if (size.isEmpty())
        return QRect();
    const QRect room = label->contentsRect();
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room.size(), Qt::KeepAspectRatio);
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, room);
}

// Whether a is painted after b: the later of their branches under their
// nearest common ancestor.
bool paintedOver(QWidget* a, QWidget* b)
{
    for (QWidget* branch = a; branch->parentWidget(); branch = branch->parentWidget()) {
        QWidget* parent = branch->parentWidget();
        if (!parent->isAncestorOf(b))
            continue;
        QWidget* other = b;
        while (other->parentWidget() != parent)
            other = other->parentWidget();
        return parent->children().indexOf(branch) > parent->children().indexOf(other);
    }
    return false;
}

// What of a widget may hide a text where they meet, in top's coordinates: a
// label's text or picture, whichever lies on top; the face of a widget that
// paints itself only if it lies over the text (a text on a dark panel is
// meant to be). Containers, progress bars (made to carry a text) and the
// focus frame (room taken from its control) hide nothing.
struct Hider {
    QWidget* widget;
    QRect rect;
    bool face;
};

Hider hider(QWidget* w, QWidget* top)
{
    QRect r;
    bool face = false;
    if (auto* label = qobject_cast<QLabel*>(w); label && label->metaObject() == &QLabel::staticMetaObject) {
        const QString shown = filled(label->text());
        r = !shown.isEmpty() && !Qt::mightBeRichText(shown) ? textRect(label, shown) : pictureRect(label);
    } else if (w->metaObject() != &QWidget::staticMetaObject && w->metaObject() != &QFrame::staticMetaObject
               && !qobject_cast<QStackedWidget*>(w) && !qobject_cast<QProgressBar*>(w)
               && w->metaObject()->className() != QByteArray("FocusFrame")) {
        r = w->rect();
        face = true;
    }
    return {w, r.isEmpty() ? QRect() : (r & w->rect()).translated(w->mapTo(top, QPoint())), face};
}

class Language
{
public:
    explicit Language(const QString& code) : code(code)
    {
        for (const TsFiles::Entry& e : TsFiles::read(code))
            if (e.type != "obsolete" && e.type != "vanished")
                keys.insert(e.translation, e.key()), entries << e;
    }
    QString name(const QString& text) const { return keys.value(text, "\"" + text + "\""); }
    QString code;
    QHash<QString, QString> keys;
    QList<TsFiles::Entry> entries;
};

// Every visible label and button text below top within its room.
QStringList clipped(const Language& lang, const QString& where, QWidget* top)
{
    QStringList failures;
    auto failWhy = [&](QWidget* w, const QString& text, const QString& why) {
        failures << QString("%1 %2 %3 %4: %5 %6")
                        .arg(lang.code, where, w->objectName(), w->metaObject()->className(),
                             lang.name(text), why);
    };
    auto fail = [&](QWidget* w, const QString& text, int needed, int room) {
        failWhy(w, text, QString("needs %1 px, has %2").arg(needed).arg(room));
    };
    QList<QWidget*> shown;
    for (QWidget* w : top->findChildren<QWidget*>())
        if (w->isVisibleTo(top))
            shown << w;
    // A text under or over another widget's text, picture or face is not whole.
    std::vector<Hider> hiders;
    for (QWidget* w : shown)
        if (const Hider h = hider(w, top); !h.rect.isNull())
            hiders.push_back(h);
    auto covered = [&](QWidget* w, const QString& text, const QRect& where) {
        for (const Hider& h : hiders) {
            if (!h.rect.intersects(where) || h.widget == w || h.widget->isAncestorOf(w)
                || w->isAncestorOf(h.widget) || (h.face && !paintedOver(h.widget, w)))
                continue;
            failWhy(w, text, QString("is covered by %1 %2").arg(h.widget->objectName(), h.widget->metaObject()->className()));
        }
    };
    const QFontMetrics tipMetrics(QToolTip::font());
    const int frame = focusFrameBorder();
    for (QWidget* w : shown) {
        const QString tip = w->toolTip();
        if (!tip.isEmpty() && widest(tipMetrics, filled(tip)) > 470)
            fail(w, tip, widest(tipMetrics, filled(tip)), 470);
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const QString text = filled(label->text());
            if (text.isEmpty() || Qt::mightBeRichText(text))
                continue;
            const int room = label->contentsRect().width() - 2 * label->margin() - qMax(0, label->indent());
            if (label->metaObject() == &QLabel::staticMetaObject)
                covered(w, label->text(), (textRect(label, text) & label->rect()).translated(label->mapTo(top, QPoint())));
            if (label->wordWrap()) {
                const int needed = label->heightForWidth(label->width());
                if (needed > label->height())
                    fail(w, label->text(), needed, label->height());
                for (const QString& word : unbreakable(text))
                    if (fm.horizontalAdvance(word) > room)
                        fail(w, label->text(), fm.horizontalAdvance(word), room);
            } else if (widest(fm, text) > room) {
                fail(w, label->text(), widest(fm, text), room);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // Buttons that draw their texts themselves say what and where.
            QVector<DrawnText> drawn;
            if (auto* b = qobject_cast<IconButton*>(w))
                drawn = b->drawnTexts();
            else if (auto* b = qobject_cast<SettingsButton*>(w))
                drawn = b->drawnTexts();
            else
                drawn = {{plain(button->text()), w->font(), buttonContents(button), 0}};
            // The focus frame takes its border from any control the keys reach.
            const int inset = button->focusPolicy() & Qt::TabFocus ? frame : 0;
            for (const DrawnText& t : drawn) {
                const QString text = filled(t.text);
                if (text.isEmpty())
                    continue;
                const QRect box = t.box & button->rect().adjusted(inset, inset, -inset, -inset);
                const QFontMetrics metrics(t.font);
                if (widest(metrics, text) > box.width())
                    fail(w, t.text, widest(metrics, text), box.width());
                const int lines = text.count('\n') + 1;
                const int height = (lines - 1) * metrics.lineSpacing() + metrics.height();
                if (lines > 1 && height > box.height())
                    fail(w, t.text, height, box.height());
            }
        } else if (auto* chart = qobject_cast<LongtermData*>(w)) {
            // Each label whole in its box (drawText clips there) and in the
            // chart, clear of its neighbour.
            QRect previous;
            for (const DrawnText& t : chart->drawnTexts()) {
                const QRect ink = inkRect(t);
                if (!(t.box & chart->rect()).contains(ink))
                    failWhy(w, t.text, QString("lies outside (%1, %2 %3 x %4)")
                                           .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height()));
                if (ink.intersects(previous))
                    failWhy(w, t.text, "overlaps its neighbour");
                previous = ink;
            }
        }
    }
    return failures;
}

QString longestMessage(const Language& lang)
{
    QString longest;
    for (const TsFiles::Entry& e : lang.entries)
        if (kMessageContexts.contains(e.context) && e.translation.size() > longest.size())
            longest = e.translation;
    return longest;
}

// Runs f with the unit showing the language of code.
void inLanguage(TestUnit& unit, const QString& code)
{
    const int number = TsFiles::builtInCodes().indexOf(code) + 1;
    // EN has no number: it reaches the window as an override of GB.
    const QString override = unit.root.path("/media/vq4100/GB_VQ4100.qm");
    QFile::remove(override);
    if (code == "EN")
        QFile::copy(":/Languages/EN_VQ4100.qm", override);
    unit.window()->changeLanguage(code == "EN" ? 1 : number);
}

}

class TestTranslationFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void textsFit_data() { languages(true); }
    void textsFit();
    void noBoxes_data() { languages(false); }
    void noBoxes();
    void screenshots_data();
    void screenshots();

private:
    static void languages(bool distinctTexts);
    std::unique_ptr<TestUnit> m_unit;
};

void TestTranslationFit::initTestCase()
{
    UnitFont::install();
    m_unit.reset(new TestUnit);
    QVERIFY(StoredEntries::add(m_unit->root, "PL_20160412_093015_Hydrant 3"));
    m_unit->start();
}

// A language whose texts equal those of one listed before shows the same and
// is not listed again.
void TestTranslationFit::languages(bool distinctTexts)
{
    QTest::addColumn<QString>("code");
    QSet<QString> seen;
    for (const QString& code : TsFiles::builtInCodes()) {
        QStringList texts;
        for (const TsFiles::Entry& e : Language(code).entries)
            texts << e.key() + '\n' + e.translation;
        texts.sort();
        const QString all = texts.join('\n');
        if (distinctTexts && seen.contains(all))
            continue;
        seen.insert(all);
        QTest::newRow(qPrintable(code)) << code;
    }
}

void TestTranslationFit::textsFit()
{
    QFETCH(QString, code);
    const Language lang(code);
    inLanguage(*m_unit, code);
    QStringList failures;
    ScreenWalk::run(m_unit->window(), *m_unit, [&](const QString& name, QWidget* top) {
        failures << clipped(lang, name, top);
        for (const StatusLine& line : kStatusLines) {
            auto* status = top->findChild<QLabel*>(line.label);
            if (top->metaObject()->className() != QByteArray(line.context) || !status)
                continue;
            const QString shown = status->text();
            for (const char* key : line.keys) {
                status->setText(QCoreApplication::translate(line.context, key));
                failures << clipped(lang, name + " " + line.label, top);
            }
            status->setText(shown);
        }
    });
    ScreenWalk::developer(m_unit->window(), *m_unit,
                          [&](const QString& name, QWidget* top) { failures << clipped(lang, name, top); });
    // Every text in the message dialog: messages come from many contexts
    // (screens, the Bluetooth drivers, the service dialogs), and a list of
    // them would miss the next one.
    for (const TsFiles::Entry& e : lang.entries) {
        MessageDialog d(m_unit->window());
        // The store adds its count to its warnings.
        d.setInfotext(e.translation + (e.context == "Measurements" ? "\n(4000 / 4000)" : ""));
        d.show();
        failures << clipped(lang, "message", &d);
        if (kHeadlineKeys.contains(e.source)) {
            d.setIcon(MessageDialog::IconWarning);
            d.setHeadline(e.translation);
            d.setInfotext(QString());
            failures << clipped(lang, "headline", &d);
        }
    }
    failures.removeDuplicates();
    // The message below is cut short; the log has every line.
    for (const QString& f : failures)
        qWarning().noquote() << f;
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestTranslationFit::noBoxes()
{
    QFETCH(QString, code);
    QStringList boxed;
    for (const TsFiles::Entry& e : Language(code).entries) {
        QTextLayout layout(e.translation, QApplication::font());
        layout.beginLayout();
        while (layout.createLine().isValid()) {
        }
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            if (run.glyphIndexes().contains(0))
                boxed << e.key() + ": " + e.translation;
    }
    QVERIFY2(boxed.isEmpty(), qPrintable(code + ": " + boxed.join(", ")));
}

void TestTranslationFit::screenshots_data()
{
    QTest::addColumn<QString>("code");
    for (const QString& code : kScreenshotLanguages)
        QTest::newRow(qPrintable(code)) << code;
}

void TestTranslationFit::screenshots()
{
    QFETCH(QString, code);
    const Language lang(code);
    QDir dir(QCoreApplication::applicationDirPath());
    QVERIFY(dir.mkpath("translation-screenshots/" + code));
    dir.cd("translation-screenshots/" + code);
    inLanguage(*m_unit, code);
    QSet<QString> written;
    auto save = [&](const QString& name, QWidget* top) {
        const QString file = dir.filePath(QString(name).replace('/', '-') + ".png");
        if (top->grab().save(file))
            written << name;
    };
    ScreenWalk::run(m_unit->window(), *m_unit, [&](const QString& name, QWidget* top) {
        if (kScreenshots.contains(name))
            save(name, top);
    });
    MessageDialog d(m_unit->window());
    d.setIcon(MessageDialog::IconWarning);
    d.setHeadline(QCoreApplication::translate("MessageDialog", "Warning"));
    d.setDialogType(MessageDialog::TypeOk);
    d.setInfotext(filled(longestMessage(lang)));
    d.show();
    save("warning", &d);
    QCOMPARE(written.size(), kScreenshots.size() + 1);
}

QTEST_MAIN(TestTranslationFit)
#include "tst_translationfit.moc"
