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
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <QtTest>

#include <vector>

namespace {

// Languages whose pictures of every screen are written for review.
const QStringList kScreenshotLanguages = {"DE", "RU", "PL", "JP", "KR"};
// What every language's pictures show besides its start page.
const QStringList kEveryLanguageScreenshots = {"browser", "gps/fix"};
// What the review pictures show: a walk name, or a message dialog with the longest warning.
const QStringList kScreenshots = {
    "main", "management", "settings", "settings/mainArea1", "settings/mainArea2",
    "pinpointing", "level", "longterm", "h2", "pipelocating", "browser", "measedit", "measedit/long name",
    "measedit/delete", "keyboard", "microphone", "headphone", "pairing/failed", "pressure/extreme", "gps",
    "gps/fix", "gps/off"};

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

// Place markers filled with the longest text without a blank that one can
// hold: a name.
QString filled(QString text)
{
    text.replace(QRegularExpression("%[0-9n]"), ScreenWalk::longestName());
    return text;
}

QString plain(QString text)
{
    return text.replace(QRegularExpression("&(.)"), "\\1");
}

// The pieces a wrapped line cannot break inside: between two of Qt's line
// break opportunities (at spaces in most scripts, between almost any two
// characters in Chinese and Japanese) and at line ends (which the finder
// misses after some characters, ":" among them).
QStringList unbreakable(const QString& text)
{
    QStringList pieces;
    for (const QString& line : text.split('\n')) {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, line);
        int start = 0;
        while (finder.toNextBoundary() != -1) {
            pieces << line.mid(start, finder.position() - start).trimmed();
            start = finder.position();
        }
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
// meant to be; a progress bar too). Containers and the focus frame (room
// taken from its control) hide nothing.
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
               && !qobject_cast<QStackedWidget*>(w)
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
        } else if (auto* table = qobject_cast<QTableView*>(w)) {
            // Each cell whole where the view draws its text, within the
            // view; only the longest name may end in the view's "…". Laid
            // out first, as the event loop does before the view shows: its
            // scroll bar takes the room it needs.
            table->doItemsLayout();
            QCoreApplication::sendPostedEvents(table, QEvent::MetaCall);
            const int right = table->viewport()->width();
            // The margin the style keeps on each side of a cell's text.
            const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
            for (int row = 0; row < table->model()->rowCount(); ++row) {
                for (int column = 0; column < table->model()->columnCount(); ++column) {
                    const QModelIndex index = table->model()->index(row, column);
                    QStyleOptionViewItem option;
                    option.initFrom(table);
                    option.rect = table->visualRect(index);
                    option.text = index.data().toString();
                    option.font = index.data(Qt::FontRole).isValid()
                        ? qvariant_cast<QFont>(index.data(Qt::FontRole)).resolve(table->font())
                        : table->font();
                    option.features |= QStyleOptionViewItem::HasDisplay;
                    if (option.text.isEmpty() || option.rect.isEmpty()
                        || (option.text == ScreenWalk::longestName() && table->textElideMode() != Qt::ElideNone))
                        continue;
                    QRect room = table->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, table);
                    room.setRight(qMin(room.right(), right - 1));
                    room.adjust(margin, 0, -margin, 0);
                    const int needed = QFontMetrics(option.font).horizontalAdvance(option.text);
                    if (needed > room.width())
                        fail(w, option.text, needed, room.width());
                }
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

// The number the unit selects the language of code by. EN has none: it
// reaches the window as an override of GB.
int chooseLanguage(TestUnit& unit, const QString& code)
{
    const QString override = unit.root.path("/media/vq4100/GB_VQ4100.qm");
    QFile::remove(override);
    if (code == "EN")
        QFile::copy(":/Languages/EN_VQ4100.qm", override);
    return code == "EN" ? 1 : TsFiles::builtInCodes().indexOf(code) + 1;
}

// Makes the unit show the language of code.
void inLanguage(TestUnit& unit, const QString& code)
{
    unit.window()->changeLanguage(chooseLanguage(unit, code));
}

// A picture for review in the build's folder of the language.
bool savePicture(const QString& code, const QString& name, QWidget* top)
{
    QDir dir(QCoreApplication::applicationDirPath());
    return dir.mkpath("translation-screenshots/" + code)
           && top->grab().save(dir.filePath(QString("translation-screenshots/%1/%2.png")
                                                .arg(code, QString(name).replace('/', '-'))));
}

void report(const QStringList& failures)
{
    // The message below is cut short; the log has every line.
    for (const QString& f : failures)
        qWarning().noquote() << f;
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

}

class TestTranslationFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void firstPaint_data() { languages(); }
    void firstPaint();
    void textsFit_data() { languages(); }
    void textsFit();
    void noBoxes_data() { languages(); }
    void noBoxes();
    void screenshots_data();
    void screenshots();

private:
    static void languages();
    // The unit every walk goes through, started (and shown, as main() does)
    // once the first-paint units are gone.
    TestUnit& unit();
    std::unique_ptr<TestUnit> m_unit;
    bool m_entriesStored = true;
};

void TestTranslationFit::initTestCase()
{
    UnitFont::install();
}

TestUnit& TestTranslationFit::unit()
{
    if (!m_unit) {
        m_unit.reset(new TestUnit);
        // One of each type with a usual name of ten characters at most,
        // and more than the list shows at once: with its scroll bar.
        const QStringList dirs = {"PL_20160412_093015_Hydrant 3", "LT_20160411_080000_Schieber 3",
                                  "LE_20160410_080000_Hydrant 8", "PP_20160409_080000_Schacht 4",
                                  "H2_20160408_080000_Muffe 7", "LT_20160407_080000_Abzweig 2",
                                  "PP_20160406_080000_Hydrant 5", "LE_20160405_080000_Schacht 1",
                                  "LT_20160404_080000_" + ScreenWalk::longestName()};
        for (int i = 0; i < dirs.size(); ++i)
            m_entriesStored = StoredEntries::add(m_unit->root, dirs.at(i), i) && m_entriesStored;
        m_unit->start()->show();
    }
    return *m_unit;
}

void TestTranslationFit::languages()
{
    QTest::addColumn<QString>("code");
    for (const QString& code : TsFiles::builtInCodes())
        QTest::newRow(qPrintable(code)) << code;
}

// The main page as the unit shows it right after start-up, and the
// management page as it first opens: what the walk, coming back to them,
// never sees.
void TestTranslationFit::firstPaint()
{
    QFETCH(QString, code);
    QVERIFY2(!m_unit, "one unit at a time");
    const Language lang(code);
    TestUnit fresh;
    fresh.setSetting("Local-Settings/Language", chooseLanguage(fresh, code));
    MainMenu* w = fresh.start();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QStringList failures = clipped(lang, "start", w);
    QVERIFY(savePicture(code, "start", w));
    auto* management = fresh.mainPage()->findChild<QAbstractButton*>("butManagement");
    QVERIFY(management);
    management->click();
    QCoreApplication::processEvents();
    failures << clipped(lang, "start management", w);
    report(failures);
}

void TestTranslationFit::textsFit()
{
    QFETCH(QString, code);
    const Language lang(code);
    inLanguage(unit(), code);
    QVERIFY(m_entriesStored);
    QStringList failures;
    QStringList pictures;
    ScreenWalk::run(unit().window(), unit(), [&](const QString& name, QWidget* top) {
        failures << clipped(lang, name, top);
        if (kEveryLanguageScreenshots.contains(name) && savePicture(code, name, top))
            pictures << name;
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
        MessageDialog d(unit().window());
        // The store adds its count to its warnings.
        d.setInfotext(filled(e.translation) + (e.context == "Measurements" ? "\n(4000 / 4000)" : ""));
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
    report(failures);
    QCOMPARE(pictures, kEveryLanguageScreenshots);
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
    inLanguage(unit(), code);
    QSet<QString> written;
    auto save = [&](const QString& name, QWidget* top) {
        if (savePicture(code, name, top))
            written << name;
    };
    ScreenWalk::run(unit().window(), unit(), [&](const QString& name, QWidget* top) {
        if (kScreenshots.contains(name))
            save(name, top);
    });
    MessageDialog d(unit().window());
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
