#include "messagedialog.h"
#include "fittext.h"
#include "ui_messagedialog.h"

#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTimer>
#include <utility>

static const int kMaxAutoCloseSeconds = 86399;
// Below this a headline no longer stands out from the text.
static const int kSmallestHeadlinePoints = 16;

static QFont headlineFont()
{
    return QFont(QStringLiteral("Arial Unicode MS"), 25, QFont::Bold, false);
}

MessageDialog::MessageDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::MessageDialog)
    , m_timer(nullptr)
    , m_pressedButton(ResultNone)
    , m_leftButton(ResultNone)
    , m_middleButton(ResultNone)
    , m_rightButton(ResultNone)
    , m_timeoutClose(-1)
{
    ui->setupUi(this);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &MessageDialog::autoCloseDialog, Qt::UniqueConnection);
    ui->labelHeadline->setFont(headlineFont());
}

int MessageDialog::showWarning(QWidget* parent, const char* key)
{
    return showWarningText(parent, tr(key));
}

int MessageDialog::showWarningText(QWidget* parent, const QString& text)
{
    MessageDialog dialog(parent);
    dialog.setDialogType(TypeOk);
    dialog.setIcon(IconWarning);
    dialog.setHeadline(tr("Warning"));
    dialog.setInfotext(text);
    dialog.exec();
    return dialog.getPressedButton();
}

MessageDialog::~MessageDialog()
{
    delete ui;
    m_timeoutClose = -1;
    delete m_timer;
}

void MessageDialog::setDialogType(int type)
{
    const QString style = QStringLiteral("QPushButton{Text-align: center;}");
    ui->butLeft->setStyleSheet(style);
    ui->butMiddle->setStyleSheet(style);
    ui->butRight->setStyleSheet(style);

    switch (type) {
    case TypeOkCancel:
        placeButton(ui->butLeft, QString(), -1);
        placeButton(ui->butMiddle, tr("OK"), 85);
        placeButton(ui->butRight, tr("Cancel"), 245);
        setButtonResults(ResultNone, ResultOk, ResultCancel);
        break;
    case TypeYesNo:
        placeButton(ui->butLeft, QString(), -1);
        placeButton(ui->butMiddle, tr("Yes"), 85);
        placeButton(ui->butRight, tr("No"), 245);
        setButtonResults(ResultNone, ResultYes, ResultNo);
        break;
    case TypeYesNoCancel:
        placeButton(ui->butLeft, tr("Yes"), 5);
        placeButton(ui->butMiddle, tr("No"), 165);
        placeButton(ui->butRight, tr("Cancel"), 325);
        setButtonResults(ResultYes, ResultNo, ResultCancel);
        break;
    default:  // TypeOk, and any unknown type
        placeButton(ui->butLeft, QString(), -1);
        placeButton(ui->butMiddle, tr("OK"), 165);
        placeButton(ui->butRight, QString(), -1);
        setButtonResults(ResultNone, ResultOk, ResultNone);
        break;
    }
}

// A negative left edge hides the button.
void MessageDialog::placeButton(QPushButton* button, const QString& text, int left)
{
    if (left < 0) {
        button->hide();
        return;
    }
    button->setText(text);
    button->setGeometry(left, 212, 150, 50);
    button->show();
}

void MessageDialog::setButtonResults(int left, int middle, int right)
{
    m_leftButton = left;
    m_middleButton = middle;
    m_rightButton = right;
}

void MessageDialog::setIcon(int icon)
{
    QString name;
    switch (icon) {
    case IconWarning: name = QStringLiteral("Warning"); break;
    case IconError: name = QStringLiteral("Error"); break;
    case IconQuestion: name = QStringLiteral("Question"); break;
    default: name = QStringLiteral("Information"); break;
    }
    ui->labelIcon->setStyleSheet(
        QStringLiteral("image: url(:/Resources/Icons/Tools/Messagedialog/%1.png);").arg(name));
    ui->labelIcon->setText(QString());
}

void MessageDialog::setHeadline(QString text)
{
    ui->labelHeadline->setText(text);
    placeHeadline();
}

// The headline is centred on the dialog, over the icon's row. One too wide
// to pass the icon that way is centred in the room beside the icon instead,
// and made smaller only if that room is too narrow.
void MessageDialog::placeHeadline()
{
    QLabel* headline = ui->labelHeadline;
    const int icon = ui->labelIcon->geometry().right() + 1 - headline->x();
    QFont font = headlineFont();
    headline->setFont(font);
    auto width = [headline] { return headline->fontMetrics().horizontalAdvance(headline->text()); };
    if (width() <= headline->width() - 2 * icon) {
        headline->setContentsMargins(0, 0, 0, 0);
        return;
    }
    headline->setContentsMargins(icon, 0, 0, 0);
    while (width() > headline->width() - icon && font.pointSize() > kSmallestHeadlinePoints) {
        font.setPointSize(font.pointSize() - 1);
        headline->setFont(font);
    }
}

// A word wider than the dialog (a name or file name without blanks) breaks
// instead of running off both edges.
void MessageDialog::setInfotext(QString text)
{
    QLabel* info = ui->labelInfotext;
    info->setText(FitText::wrapped(text, info->font(), info->contentsRect().size()));
}

void MessageDialog::setFocusedButton(int result)
{
    const std::pair<QPushButton*, int> buttons[] = {
        {ui->butLeft, m_leftButton}, {ui->butMiddle, m_middleButton}, {ui->butRight, m_rightButton}};
    for (const auto& [button, code] : buttons) {
        if (code == result && !button->isHidden())
            button->setFocus();
    }
}

void MessageDialog::setAutoCloseTimeout(int seconds)
{
    if (seconds >= 1 && seconds <= kMaxAutoCloseSeconds) {
        m_timeoutClose = seconds;
        m_timer->start(seconds * 1000);
    } else {
        m_timeoutClose = -1;
        m_timer->stop();
    }
}

void MessageDialog::on_butLeft_clicked()
{
    finish(m_leftButton);
}

void MessageDialog::on_butMiddle_clicked()
{
    finish(m_middleButton);
}

void MessageDialog::on_butRight_clicked()
{
    finish(m_rightButton);
}

void MessageDialog::autoCloseDialog()
{
    finish(ResultTimeout);
}

void MessageDialog::finish(int result)
{
    m_pressedButton = result;
    // A time-out after the dialog has been answered must not change the answer.
    m_timer->stop();
    close();
}

void MessageDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Not QDialog's: it would act on Escape and on the default button.
    QWidget::keyPressEvent(event);
}

void MessageDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        finish(ResultCancel);
        return;
    }
    QWidget::keyReleaseEvent(event);
}
