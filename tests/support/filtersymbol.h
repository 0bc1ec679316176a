#ifndef FILTERSYMBOL_H
#define FILTERSYMBOL_H

#include <QPixmap>
#include <QWidget>
#include <QtTest>

// The filter symbol's sheet, word for word, and its picture filling the
// label: a background picture is drawn unscaled, so a size that differs
// would show cut off or with a gap.
inline void checkFilterSymbol(const QWidget* label, const char* type)
{
    QVERIFY(label);
    const QString path =
        QString(":/Resources/Icons/Mainmenu/Pinpointing/Filtertype_%1_gr_40px.png").arg(type);
    QCOMPARE(label->styleSheet(), QString("background-image: url(%1);").arg(path));
    QCOMPARE(QPixmap(path).size(), label->size());
}

#endif
