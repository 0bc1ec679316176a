#include "virtualkeyboard.h"
#include "ui_virtualkeyboard.h"

#include <QDebug>
#include <QKeyEvent>

VirtualKeyboard::VirtualKeyboard(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::VirtualKeyboard)
    , m_lowerCase(false)
    , m_enableSpecialChar(false)
    , m_enterAsAccept(false)
{
    ui->setupUi(this);
    // The text lives in m_enteredText and only the keys change it; the field
    // shows it and lets the finger place the cursor. Keys typed into the field
    // itself (the OK key arrives as a blank) would not reach the text.
    ui->textEdit->setReadOnly(true);
    ui->textEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_textCursor = ui->textEdit->textCursor();
    ui->textEdit->setFocus();
    ui->textEdit->installEventFilter(this);
}

VirtualKeyboard::~VirtualKeyboard()
{
    delete ui;
}

void VirtualKeyboard::setText(QString text)
{
    m_enteredText = text;
    ui->textEdit->setPlainText(m_enteredText);
    m_textCursor = ui->textEdit->textCursor();
    const bool moved = m_textCursor.movePosition(QTextCursor::End);
    qDebug() << "TextCursor" << moved << m_textCursor.position();
    ui->textEdit->setTextCursor(m_textCursor);
    setCaseFromLength();
    updateButtonText();
}

QString VirtualKeyboard::getText() const
{
    return m_enteredText.trimmed();
}

int VirtualKeyboard::cursorPosition()
{
    m_textCursor = ui->textEdit->textCursor();
    return qBound(0, m_textCursor.position(), m_enteredText.size());
}

void VirtualKeyboard::showText(int position)
{
    ui->textEdit->setPlainText(m_enteredText);
    ui->textEdit->setFocus();
    m_textCursor = ui->textEdit->textCursor();
    m_textCursor.setPosition(qBound(0, position, m_enteredText.size()));
    ui->textEdit->setTextCursor(m_textCursor);
}

void VirtualKeyboard::setCaseFromLength()
{
    if (m_enteredText.isEmpty())
        m_lowerCase = false;
    else if (m_enteredText.size() == 1)
        m_lowerCase = true;
}

void VirtualKeyboard::addText(const QString& caption)
{
    if (caption.isEmpty())
        return;
    const int p = cursorPosition();
    m_enteredText.insert(p, caption.at(0));
    showText(p + 1);
    setCaseFromLength();
    updateButtonText();
}

void VirtualKeyboard::updateButtonText()
{
    static const char* const digits = "1234567890";
    static const char* const specials[] = {"!", ":", ".", ",", "+", "/", "\"", "*", "@", "?"};
    const bool special = m_lowerCase && m_enableSpecialChar;
    for (int i = 0; i < 10; ++i) {
        const QString digit = QString(QLatin1Char(digits[i]));
        if (auto* b = findChild<QPushButton*>(QStringLiteral("but_") + digit))
            b->setText(special ? QString::fromLatin1(specials[i]) : digit);
    }
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QString letter = QString(QLatin1Char(c));
        if (auto* b = findChild<QPushButton*>(QStringLiteral("but_") + letter))
            b->setText(m_lowerCase ? letter.toLower() : letter);
    }
    ui->but_Underline->setText(special ? QStringLiteral("=") : QStringLiteral("_"));
    ui->but_Minus->setText(QStringLiteral("-"));
    ui->but_Space->setText(QStringLiteral(" "));
}

// Every character key inserts its caption.
#define VQ_CHARACTER_KEY(name) \
    void VirtualKeyboard::on_##name##_clicked() { addText(ui->name->text()); }
VQ_CHARACTER_KEY(but_0)
VQ_CHARACTER_KEY(but_1)
VQ_CHARACTER_KEY(but_2)
VQ_CHARACTER_KEY(but_3)
VQ_CHARACTER_KEY(but_4)
VQ_CHARACTER_KEY(but_5)
VQ_CHARACTER_KEY(but_6)
VQ_CHARACTER_KEY(but_7)
VQ_CHARACTER_KEY(but_8)
VQ_CHARACTER_KEY(but_9)
VQ_CHARACTER_KEY(but_A)
VQ_CHARACTER_KEY(but_B)
VQ_CHARACTER_KEY(but_C)
VQ_CHARACTER_KEY(but_D)
VQ_CHARACTER_KEY(but_E)
VQ_CHARACTER_KEY(but_F)
VQ_CHARACTER_KEY(but_G)
VQ_CHARACTER_KEY(but_H)
VQ_CHARACTER_KEY(but_I)
VQ_CHARACTER_KEY(but_J)
VQ_CHARACTER_KEY(but_K)
VQ_CHARACTER_KEY(but_L)
VQ_CHARACTER_KEY(but_M)
VQ_CHARACTER_KEY(but_N)
VQ_CHARACTER_KEY(but_O)
VQ_CHARACTER_KEY(but_P)
VQ_CHARACTER_KEY(but_Q)
VQ_CHARACTER_KEY(but_R)
VQ_CHARACTER_KEY(but_S)
VQ_CHARACTER_KEY(but_T)
VQ_CHARACTER_KEY(but_U)
VQ_CHARACTER_KEY(but_V)
VQ_CHARACTER_KEY(but_W)
VQ_CHARACTER_KEY(but_X)
VQ_CHARACTER_KEY(but_Y)
VQ_CHARACTER_KEY(but_Z)
VQ_CHARACTER_KEY(but_Minus)
VQ_CHARACTER_KEY(but_Underline)
VQ_CHARACTER_KEY(but_Space)
#undef VQ_CHARACTER_KEY

void VirtualKeyboard::on_but_Shift_clicked()
{
    m_lowerCase = !m_lowerCase;
    updateButtonText();
}

void VirtualKeyboard::on_but_Del_clicked()
{
    const int p = cursorPosition();
    if (p > 0) {
        m_enteredText.remove(p - 1, 1);
        showText(p - 1);
        setCaseFromLength();
        updateButtonText();
    } else {
        ui->textEdit->setFocus();
    }
}

void VirtualKeyboard::on_but_Enter_clicked()
{
    if (m_enterAsAccept) {
        accept();
        return;
    }
    m_enteredText.append(QLatin1Char('\n'));
    showText(m_enteredText.size());
}

void VirtualKeyboard::on_but_Accept_clicked()
{
    accept();
}

void VirtualKeyboard::on_but_Close_clicked()
{
    reject();
}

bool VirtualKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    // Up and Down (the unit's keys) leave the field as they leave any other
    // control, or the keys could never reach Accept; the finger places the
    // cursor.
    if (watched == ui->textEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            focusNextPrevChild(key == Qt::Key_Down);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void VirtualKeyboard::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void VirtualKeyboard::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        reject();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
