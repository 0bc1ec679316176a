#include "settingsadjustdialog.h"
#include "Tools/tooltipbutton.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace {

const int kButtonSize = 54;
const int kRowHeight = 50;
const int kRowStep = 57;

const char* const kChoiceStyle =
    "QPushButton:checked { background-color: #3a6ea5; border: 2px solid #9cc3f0; }";

}

SettingsAdjustDialog::SettingsAdjustDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    setFixedSize(480, 272);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName("mainArea");
    m_pages->setGeometry(0, 0, kAreaWidth, 272);

    m_butUp = addMenuButton("butMenuUp", "Triangle_up", 0);
    m_butOk = addMenuButton("butMenuOk", "Accept", 72);
    m_butCancel = addMenuButton("butMenuCancel", "Cancel", 144);
    m_butDown = addMenuButton("butMenuDown", "Triangle_down", 216);
    m_butUp->setToolTip(tr("PreviousPage"));
    m_butOk->setToolTip(tr("Ok"));
    m_butCancel->setToolTip(tr("Cancel"));
    m_butDown->setToolTip(tr("NextPage"));
    connect(m_butUp, &QPushButton::clicked, this, [this] { stepUp(); });
    connect(m_butDown, &QPushButton::clicked, this, [this] { stepDown(); });
    connect(m_butOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_butCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TooltipButton* SettingsAdjustDialog::addMenuButton(const char* name, const char* icon, int y)
{
    auto* b = new TooltipButton(this);
    b->setObjectName(name);
    b->setGeometry(kAreaWidth, y, kButtonSize, kButtonSize);
    b->setAutoDefault(false);
    b->setStyleSheet(QString("QPushButton { border: none; background-image: "
                             "url(:/Resources/Icons/Allgemein/%1_ws_44px.png); "
                             "background-position: center; background-repeat: no-repeat; }\n"
                             "QPushButton:pressed { background-image: "
                             "url(:/Resources/Icons/Allgemein/%1_sw_44px.png); }")
                         .arg(icon));
    return b;
}

QWidget* SettingsAdjustDialog::addPage(const QString& objectName)
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(objectName);
    auto* title = new QLabel(page);
    title->setObjectName("labelTitle");
    title->setGeometry(5, 5, kAreaWidth - 10, 30);
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    m_titles << title;
    m_pages->addWidget(page);
    setStepButtonsVisible(m_pages->count() > 1);
    return page;
}

void SettingsAdjustDialog::setPageTitle(int page, const QString& title)
{
    if (page >= 0 && page < m_titles.size())
        m_titles.at(page)->setText(title);
}

void SettingsAdjustDialog::showPage(int index)
{
    if (index >= 0 && index < m_pages->count())
        m_pages->setCurrentIndex(index);
}

int SettingsAdjustDialog::currentPageIndex() const
{
    return m_pages->currentIndex();
}

int SettingsAdjustDialog::pageCount() const
{
    return m_pages->count();
}

QButtonGroup* SettingsAdjustDialog::addChoices(QWidget* page, const QList<Choice>& choices, int top)
{
    auto* group = new QButtonGroup(page);
    group->setExclusive(true);
    const int columns = choices.size() > 4 ? 2 : 1;
    const int width = columns == 1 ? kAreaWidth - 10 : (kAreaWidth - 15) / 2;
    for (int i = 0; i < choices.size(); ++i) {
        auto* b = new QPushButton(choices.at(i).text, page);
        b->setObjectName(choices.at(i).objectName);
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setStyleSheet(kChoiceStyle);
        if (columns == 2) {
            // Half-width buttons take the longer texts in a smaller font.
            QFont f = b->font();
            if (f.pixelSize() > 0)
                f.setPixelSize(f.pixelSize() * 4 / 5);
            else
                f.setPointSizeF(f.pointSizeF() * 0.85);
            b->setFont(f);
        }
        const int column = columns == 1 ? 0 : i % 2;
        const int row = columns == 1 ? i : i / 2;
        b->setGeometry(5 + column * (width + 5), top + row * kRowStep, width, kRowHeight);
        group->addButton(b, choices.at(i).value);
    }
    return group;
}

void SettingsAdjustDialog::checkChoice(QButtonGroup* group, int value)
{
    if (QAbstractButton* b = group->button(value)) {
        b->setChecked(true);
        return;
    }
    // Nothing fits: no choice is shown.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

SettingsAdjustDialog::Stepper SettingsAdjustDialog::addStepper(QWidget* page, const QString& objectName,
                                                               int x, int y, int width)
{
    Stepper s;
    s.plus = new QPushButton("+", page);
    s.plus->setObjectName(objectName + "Plus");
    s.plus->setAutoDefault(false);
    s.plus->setAutoRepeat(true);
    s.value = new QLabel(page);
    s.value->setObjectName(objectName);
    s.value->setAlignment(Qt::AlignCenter);
    QFont f = s.value->font();
    f.setBold(true);
    s.value->setFont(f);
    s.minus = new QPushButton("-", page);
    s.minus->setObjectName(objectName + "Minus");
    s.minus->setAutoDefault(false);
    s.minus->setAutoRepeat(true);
    placeStepper(s, x, y, width);
    return s;
}

void SettingsAdjustDialog::placeStepper(const Stepper& s, int x, int y, int width)
{
    s.plus->setGeometry(x, y, width, 45);
    s.value->setGeometry(x, y + 50, width, 40);
    s.minus->setGeometry(x, y + 95, width, 45);
}

void SettingsAdjustDialog::stepUp()
{
    const int n = m_pages->count();
    if (n > 0)
        m_pages->setCurrentIndex((m_pages->currentIndex() + n - 1) % n);
}

void SettingsAdjustDialog::stepDown()
{
    const int n = m_pages->count();
    if (n > 0)
        m_pages->setCurrentIndex((m_pages->currentIndex() + 1) % n);
}

void SettingsAdjustDialog::setStepButtonsVisible(bool visible)
{
    m_butUp->setVisible(visible);
    m_butDown->setVisible(visible);
}

void SettingsAdjustDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void SettingsAdjustDialog::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            reject();
        return;
    }
    QDialog::keyReleaseEvent(event);
}
