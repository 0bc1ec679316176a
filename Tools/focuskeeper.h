#ifndef FOCUSKEEPER_H
#define FOCUSKEEPER_H

#include <QEvent>
#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

// Keeps the keyboard focus where the six keys can see it. Where no window
// manager hands the keyboard back (the unit, a bare X display), a closed
// modal dialog leaves no window active: Up and Down would then move a focus
// no frame shows and OK press whatever they reached. When any modal window
// closes, the window now on top is activated again and its focus goes back
// to the control that had it, else to its first control; the focus frame
// follows. Every dialog is covered, also those no code here knows of.
//
// Up and Down walk the window's controls in its focus order, with wrap, as
// Qt's buttons do. Where Qt would keep them inside one control the keeper
// hands them on: an option of a group is one stop of that order (OK chooses
// it), and a list or a text keeps them for its rows or lines only until its
// end, past which the focus goes on. A list entered downwards starts at its
// first row, upwards at its last.
class FocusKeeper : public QObject
{
public:
    // Once per application; later calls do nothing.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    // `had`: the control that had the focus when the dialog opened.
    static void settle(const QPointer<QWidget>& beneath, const QPointer<QWidget>& had);
    // Up or Down on the focused control; true when the keeper moved on.
    static bool step(QWidget* focus, bool down);
    static void enterList(QWidget* w, Qt::FocusReason reason);
    // A modal window shown or hidden.
    void watchModal(QWidget* w, QEvent::Type type);

    QHash<QWidget*, QPointer<QWidget>> m_had;
};

#endif
