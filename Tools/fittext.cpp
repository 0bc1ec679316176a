#include "fittext.h"
#include "focusframe.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyleOptionButton>

namespace FitText {

namespace {

const int kMostDigits = 3;
// Smaller than this a caption no longer reads at arm's length.
const int kSmallestCaptionPx = 14;

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
    QFont font = button->parentWidget() ? button->parentWidget()->font() : button->font();
    if (font.pixelSize() < 0)
        font.setPixelSize(QFontInfo(font).pixelSize());
    while (font.pixelSize() > kSmallestCaptionPx
           && QFontMetrics(font).horizontalAdvance(button->text()) > room.width())
        font.setPixelSize(font.pixelSize() - 1);
    button->setFont(font);
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

}
