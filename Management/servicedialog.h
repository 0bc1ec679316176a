#ifndef SERVICEDIALOG_H
#define SERVICEDIALOG_H

#include <QDialog>

class QKeyEvent;

// Common ground of the device-service dialogs: a modal 480 x 272 page whose
// Back button and IO key (the release of Escape) call leave(), by default
// closing with QDialog::Rejected. A form with a "mainArea" stack of pages
// pages through it with stepPage() (with wrap); its own Up and Down slots call
// it, so that dialogs without those buttons have no slots left unconnected.
class ServiceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ServiceDialog(QWidget* parent = nullptr);

protected slots:
    void on_butMenuBack_clicked();

protected:
    virtual void leave();
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void stepPage(int step);
    // Asks Yes or No over this dialog; true for Yes. A Yes that destroys or
    // overwrites something opens on No: one OK too many must not do it.
    enum class Yes { Harmless, Destroys };
    bool askYesNo(const QString& headline, const QString& text, Yes yes = Yes::Harmless);
};

#endif
