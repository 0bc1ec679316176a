#include "servicedialog.h"
#include "Tools/messagedialog.h"

#include <QKeyEvent>
#include <QStackedWidget>

ServiceDialog::ServiceDialog(QWidget* parent)
    : QDialog(parent)
{
}

void ServiceDialog::on_butMenuBack_clicked()
{
    leave();
}

void ServiceDialog::stepPage(int step)
{
    auto* pages = findChild<QStackedWidget*>("mainArea");
    const int n = pages ? pages->count() : 0;
    if (n > 0)
        pages->setCurrentIndex((pages->currentIndex() + step + n) % n);
}

bool ServiceDialog::askYesNo(const QString& headline, const QString& text, Yes yes)
{
    MessageDialog question(this);
    question.setDialogType(MessageDialog::TypeYesNo);
    if (yes == Yes::Destroys)
        question.setFocusedButton(MessageDialog::ResultNo);
    question.setIcon(MessageDialog::IconQuestion);
    question.setHeadline(headline);
    question.setInfotext(text);
    question.exec();
    return question.getPressedButton() == MessageDialog::ResultYes;
}

void ServiceDialog::leave()
{
    reject();
}

void ServiceDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return; // acted on at its release, like every screen
    QDialog::keyPressEvent(event);
}

void ServiceDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            leave();
        return;
    }
    QDialog::keyReleaseEvent(event);
}
