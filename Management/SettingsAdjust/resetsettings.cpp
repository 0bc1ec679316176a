#include "resetsettings.h"
#include "Tools/tooltipbutton.h"

#include <QLabel>
#include <QPushButton>

ResetSettings::ResetSettings(QWidget* parent)
    : SettingsAdjustDialog(parent)
{
    QWidget* page = addPage("pageReset");
    setPageTitle(0, tr("ResetToDeliverystate"));
    auto* question = new QLabel(tr("DoYouReallyWantToResetAllSettings"), page);
    question->setObjectName("labelQuestion");
    question->setGeometry(5, kContentTop, kAreaWidth - 10, 120);
    question->setAlignment(Qt::AlignCenter);
    question->setWordWrap(true);
    auto* yes = new QPushButton(tr("Yes"), page);
    yes->setObjectName("butYes");
    yes->setGeometry(5, 190, 205, 60);
    yes->setAutoDefault(false);
    auto* no = new QPushButton(tr("No"), page);
    no->setObjectName("butNo");
    no->setGeometry(216, 190, 205, 60);
    no->setAutoDefault(false);
    // The question is answered with Yes or No only.
    okButton()->hide();
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    no->setFocus();
}
