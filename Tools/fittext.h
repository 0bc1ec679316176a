#ifndef FITTEXT_H
#define FITTEXT_H

#include <QList>
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

}

#endif
