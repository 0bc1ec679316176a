#ifndef FOCUSFRAME_H
#define FOCUSFRAME_H

#include <QPointer>
#include <QWidget>

// A frame over whichever control has the keyboard focus, in every window.
// The unit is worked through its six keys, often with gloves, so the focus
// must show on the dark screens also where a control's own style sheet draws
// no border, or the same picture with and without focus. The frame lies
// inside the control (also at the screen's edge), lets touches through, and
// is drawn as the style sheet's "FocusFrame" rule says.
class FocusFrame : public QWidget
{
    Q_OBJECT
public:
    // Once per application, with the keeper that gives the focus back after
    // every dialog; later calls do nothing.
    static void install();
    // The frame, while one is shown.
    static FocusFrame* current();
    // How far the frame reaches into its control, as the style sheet draws it.
    static int border();

    QWidget* target() const { return m_target; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit FocusFrame(QWidget* parent);
    static void follow(QWidget* now);
    void setTarget(QWidget* target);
    void place();

    QPointer<QWidget> m_target;
};

#endif
