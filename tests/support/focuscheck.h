#ifndef FOCUSCHECK_H
#define FOCUSCHECK_H

#include <QString>

class QWidget;

// What keeps a user of the keys from seeing where they act in `area` (the
// page or dialog shown): no shown, enabled focused control in it, or no
// focus frame around that control. Empty when nothing does.
QString focusFault(QWidget* area);

// Delivers what a closed dialog left queued: the focus handed back and the
// window activation it asks for.
void settleFocus();

#endif
