#ifndef MESSAGEDIALOG_H
#define MESSAGEDIALOG_H

#include <QDialog>
#include <QString>

class QPushButton;
class QTimer;

namespace Ui {
class MessageDialog;
}

// The standard full-screen message box. exec() always returns 0 (the dialog
// ends through close()); callers read getPressedButton():
// 0 OK, 1 Cancel or the IO key, 2 Yes, 3 No, 4 auto-close time-out, -1 none.
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    enum Type { TypeOk = 0, TypeOkCancel = 1, TypeYesNo = 2, TypeYesNoCancel = 3 };
    enum Icon { IconInformation = 0, IconWarning = 1, IconError = 2, IconQuestion = 3 };
    enum Result { ResultNone = -1, ResultOk = 0, ResultCancel = 1, ResultYes = 2, ResultNo = 3, ResultTimeout = 4 };

    explicit MessageDialog(QWidget* parent = nullptr);
    ~MessageDialog() override;

    // The standard warning with OK: headline "Warning", the text of `key`
    // (context MessageDialog). Returns the pressed button.
    static int showWarning(QWidget* parent, const char* key);
    // The same with a text already translated.
    static int showWarningText(QWidget* parent, const QString& text);

    void setDialogType(int type);
    void setIcon(int icon);
    void setHeadline(QString text);
    void setInfotext(QString text);
    // The button giving `result` opens with the focus (after setDialogType).
    void setFocusedButton(int result);
    // 1..86399 s closes the dialog that long after this call; anything else
    // switches the auto-close off.
    void setAutoCloseTimeout(int seconds);
    int getAutoCloseTimeout() const { return m_timeoutClose; }
    int getPressedButton() const { return m_pressedButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_butLeft_clicked();
    void on_butMiddle_clicked();
    void on_butRight_clicked();
    void autoCloseDialog();

private:
    void placeButton(QPushButton* button, const QString& text, int left);
    void setButtonResults(int left, int middle, int right);
    void placeHeadline();
    void finish(int result);

    Ui::MessageDialog* ui;
    QTimer* m_timer;
    int m_pressedButton;
    int m_leftButton;
    int m_middleButton;
    int m_rightButton;
    int m_timeoutClose;
};

#endif
