#ifndef FITTEXT_H
#define FITTEXT_H

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class QPushButton;

// Texts made to lie whole where they show.
namespace FitText {

// A value's figure as long as `fits` allows: fixed with `decimals`, then with
// fewer, then in a short exponent form ("1.26e7") with fewer significant
// digits. The shortest try stands when none fits.
QString number(double value, int decimals, const std::function<bool(const QString&)>& fits);

// Each menu button's caption in the largest pixel size, up to its page's,
// that fits beside the focus frame's border.
void captions(const QList<QPushButton*>& buttons);

// The font in the largest pixel size, from its own down to the smallest
// that still reads at arm's length, in which text is no wider than width.
QFont fitting(QFont font, const QString& text, int width);

// Text as a word-wrapping label of that room shows it whole: its lines
// broken at blanks, and inside a word only where the word alone is wider
// than the room (a name typed without blanks). Lines beyond the room's
// height are dropped; the last one shown then ends in "…". A text that
// already lies whole comes back as it is.
QString wrapped(const QString& text, const QFont& font, const QSize& room);

}

#endif
