#ifndef VIRTUALKEYBOARD_H
#define VIRTUALKEYBOARD_H

#include <QDialog>
#include <QString>
#include <QTextCursor>

namespace Ui {
class VirtualKeyboard;
}

// The modal touch keyboard for short texts. exec() returns 1 when the text
// was accepted (Accept, or Enter in Enter-accepts mode) and 0 otherwise.
// It filters nothing: whoever stores the text checks it.
class VirtualKeyboard : public QDialog
{
    Q_OBJECT
public:
    explicit VirtualKeyboard(QWidget* parent = nullptr);
    ~VirtualKeyboard() override;

    void setText(QString text);
    QString getText() const;
    void enableSpecialChar(bool on) { m_enableSpecialChar = on; }
    void useEnterAsAccept(bool on) { m_enterAsAccept = on; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private slots:
    void on_but_0_clicked();
    void on_but_1_clicked();
    void on_but_2_clicked();
    void on_but_3_clicked();
    void on_but_4_clicked();
    void on_but_5_clicked();
    void on_but_6_clicked();
    void on_but_7_clicked();
    void on_but_8_clicked();
    void on_but_9_clicked();
    void on_but_A_clicked();
    void on_but_B_clicked();
    void on_but_C_clicked();
    void on_but_D_clicked();
    void on_but_E_clicked();
    void on_but_F_clicked();
    void on_but_G_clicked();
    void on_but_H_clicked();
    void on_but_I_clicked();
    void on_but_J_clicked();
    void on_but_K_clicked();
    void on_but_L_clicked();
    void on_but_M_clicked();
    void on_but_N_clicked();
    void on_but_O_clicked();
    void on_but_P_clicked();
    void on_but_Q_clicked();
    void on_but_R_clicked();
    void on_but_S_clicked();
    void on_but_T_clicked();
    void on_but_U_clicked();
    void on_but_V_clicked();
    void on_but_W_clicked();
    void on_but_X_clicked();
    void on_but_Y_clicked();
    void on_but_Z_clicked();
    void on_but_Minus_clicked();
    void on_but_Underline_clicked();
    void on_but_Space_clicked();
    void on_but_Shift_clicked();
    void on_but_Del_clicked();
    void on_but_Enter_clicked();
    void on_but_Accept_clicked();
    void on_but_Close_clicked();

private:
    void addText(const QString& caption);
    void showText(int cursorPosition);
    int cursorPosition();
    void setCaseFromLength();
    void updateButtonText();

    Ui::VirtualKeyboard* ui;
    QString m_enteredText;
    bool m_lowerCase;
    bool m_enableSpecialChar;
    bool m_enterAsAccept;
    QTextCursor m_textCursor;
};

#endif
