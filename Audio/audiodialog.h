#ifndef AUDIODIALOG_H
#define AUDIODIALOG_H

#include <QDialog>

class QKeyEvent;

// The dialogs a measurement screen opens over itself to adjust the listening
// path. The IO key leaves at its release (Rejected); its press does nothing.
// Every other key goes to QWidget's handlers, never QDialog's: those would
// act on Escape and on a default button.
class AudioDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AudioDialog(QWidget* parent = nullptr) : QDialog(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

#endif
