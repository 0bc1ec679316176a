#include "fittext.h"
#include "focusframe.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace FitText {

namespace {

const int kMostDigits = 3;
// Smaller than this a text no longer reads at arm's length.
const int kSmallestPx = 14;
// No limit on the height of a text laid out.
const int kUnbounded = 1 << 20;

// "1.26e+07" as "1.26e7".
QString exponentForm(double value, int digits)
{
    const QString text = QString::number(value, 'e', digits - 1);
    const int e = text.indexOf('e');
    return e < 0 ? text : text.left(e + 1) + QString::number(text.mid(e + 1).toInt());
}

void caption(QPushButton* button, int border)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button)
        & button->rect().adjusted(border, border, -border, -border);
    button->setFont(fitting(button->parentWidget() ? button->parentWidget()->font() : button->font(),
                            button->text(), room.width()));
}

int heightOf(const QFontMetrics& metrics, int width, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, width, kUnbounded), Qt::TextWordWrap, text).height();
}

// Whether a word-wrapping label breaks text only at its blanks and keeps it
// within the room.
bool liesWhole(const QFontMetrics& metrics, const QSize& room, const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, line);
        for (int start = 0; breaks.toNextBoundary() != -1; start = breaks.position()) {
            if (metrics.horizontalAdvance(line.mid(start, breaks.position() - start).trimmed()) > room.width())
                return false;
        }
    }
    return heightOf(metrics, room.width(), text) <= room.height();
}

// The lines a paragraph takes in width, broken inside a word only where the
// word alone is wider.
QStringList linesOf(const QString& paragraph, const QFont& font, int width)
{
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString text = paragraph.mid(line.textStart(), line.textLength());
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
        lines << text;
    }
    layout.endLayout();
    return lines;
}

}

QString number(double value, int decimals, const std::function<bool(const QString&)>& fits)
{
    QString text;
    for (int d = qMax(0, decimals); d >= 0; --d) {
        text = QString::number(value, 'f', d);
        if (fits(text))
            return text;
    }
    for (int digits = kMostDigits; digits >= 1; --digits) {
        text = exponentForm(value, digits);
        if (fits(text))
            return text;
    }
    return text;
}

void captions(const QList<QPushButton*>& buttons)
{
    const int border = FocusFrame::border();
    for (QPushButton* button : buttons)
        caption(button, border);
}

QFont fitting(QFont font, const QString& text, int width)
{
    if (font.pixelSize() < 0)
        font.setPixelSize(QFontInfo(font).pixelSize());
    while (font.pixelSize() > kSmallestPx && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QString wrapped(const QString& text, const QFont& font, const QSize& room)
{
    const QFontMetrics metrics(font);
    if (liesWhole(metrics, room, text))
        return text;
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n')))
        lines << (paragraph.isEmpty() ? QStringList{QString()} : linesOf(paragraph, font, room.width()));
    int shown = lines.size();
    while (shown > 1 && heightOf(metrics, room.width(), lines.mid(0, shown).join(QLatin1Char('\n'))) > room.height())
        --shown;
    if (shown < lines.size())
        lines[shown - 1] = metrics.elidedText(lines.at(shown - 1) + QChar(0x2026), Qt::ElideRight, room.width());
    return lines.mid(0, shown).join(QLatin1Char('\n'));
}

}
