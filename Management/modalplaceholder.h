#ifndef MODALPLACEHOLDER_H
#define MODALPLACEHOLDER_H

#include <QDialog>

class QKeyEvent;

// Common ground of the device-service dialogs while their pages are not
// built: a modal page that closes on its Back button or the IO key (the
// release of Escape) with QDialog::Rejected.
class ModalPlaceholder : public QDialog
{
    Q_OBJECT
public:
    explicit ModalPlaceholder(QWidget* parent = nullptr);

protected slots:
    void on_butMenuBack_clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

#endif
