#include "measmanagementedit.h"
#include "Management/measmanagement.h"
#include "Tools/fittext.h"
#include "Tools/messagedialog.h"
#include "Tools/virtualkeyboard.h"
#include "ui_measmanagementedit.h"

MeasManagementEdit::MeasManagementEdit(QWidget* parent)
    : ServiceDialog(parent), ui(new Ui::MeasManagementEdit)
{
    ui->setupUi(this);
    ui->labelTitle->setText(tr("EditMeasurement"));
    ui->butRename->setText(tr("Rename"));
    ui->butDelete->setText(tr("Delete"));
    ui->butMenuBack->setToolTip(tr("Back"));
}

MeasManagementEdit::~MeasManagementEdit()
{
    delete ui;
}

void MeasManagementEdit::setMeasurement(const StoredMeasurement& entry)
{
    m_entry = entry;
    const QStringList columns = MeasManagement::rowTexts(entry);
    ui->labelType->setText(columns.value(0));
    ui->labelWhen->setText(columns.mid(1, 2).join(QLatin1Char(' ')).trimmed());
    ui->labelName->setText(FitText::wrapped(columns.value(3), ui->labelName->font(),
                                            ui->labelName->contentsRect().size()));
    // Only a name the store wrote keeps its prefix, date and time.
    ui->butRename->setEnabled(entry.isParsed());
    (entry.isParsed() ? ui->butRename : ui->butDelete)->setFocus(Qt::OtherFocusReason);
}

bool MeasManagementEdit::stillWanted()
{
    // The page stack hides the screens it does not show.
    if (parentWidget() && parentWidget()->isHidden()) {
        reject();
        return false;
    }
    return true;
}

void MeasManagementEdit::conclude(const StoredMeasurement::Result& result)
{
    if (!result.error.isEmpty())
        MessageDialog::showWarningText(this, result.error);
    if (result.outcome != StoredMeasurement::Result::Refused)
        accept();
}

void MeasManagementEdit::on_butRename_clicked()
{
    VirtualKeyboard keyboard(this);
    keyboard.setText(m_entry.name());
    keyboard.useEnterAsAccept(true);
    const int accepted = keyboard.exec();
    if (!stillWanted() || accepted != 1)
        return;
    const StoredMeasurement::Result result = StoredMeasurement::rename(m_entry, keyboard.getText());
    if (result.outcome == StoredMeasurement::Result::Done)
        m_entry = StoredMeasurement::fromDirName(result.dirName);
    conclude(result);
}

void MeasManagementEdit::on_butDelete_clicked()
{
    const bool yes = askYesNo(tr("Delete"), tr("DeleteThisMeasurement") + QLatin1Char('\n') + m_entry.dirName(),
                              Yes::Destroys);
    if (!stillWanted() || !yes)
        return;
    const StoredMeasurement::Result result = StoredMeasurement::remove(m_entry);
    if (result.outcome == StoredMeasurement::Result::Done)
        m_entry = StoredMeasurement();
    conclude(result);
}
