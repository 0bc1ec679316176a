#ifndef CLICKBUTTON_H
#define CLICKBUTTON_H

#include <QAbstractButton>
#include <QtTest>

// Clicks the button of that object name under `parent`; a missing one fails
// the test.
inline void click(QWidget* parent, const char* name)
{
    auto* b = parent->findChild<QAbstractButton*>(name);
    QVERIFY2(b, name);
    b->click();
}

#endif
