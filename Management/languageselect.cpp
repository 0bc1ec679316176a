#include "languageselect.h"
#include "ui_languageselect.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace {
const int kPageCount = 5;
}

LanguageSelect::LanguageSelect(QWidget* parent)
    : QDialog(parent), ui(new Ui::LanguageSelect)
{
    ui->setupUi(this);
    setToolTips();

    // Each button and the number of its language.
    const QList<QPair<QPushButton*, int>> buttons{
        {ui->butEnglish, 1},    {ui->butGerman, 2},      {ui->butFrench, 3},     {ui->butSpanish, 5},
        {ui->butItalian, 4},    {ui->butRussian, 9},     {ui->butChinese, 6},    {ui->butCzech, 7},
        {ui->butHungarian, 8},  {ui->butSlovenian, 10},  {ui->butPolish, 12},    {ui->butRomanian, 14},
        {ui->butSlovakian, 15}, {ui->butPortuguese, 13}, {ui->butJapanese, 11},  {ui->butSwedish, 16},
        {ui->butSuomi, 17},     {ui->butDanish, 18},     {ui->butNorwegian, 19}, {ui->butBulgarian, 20},
        {ui->butCroatian, 21},  {ui->butKorean, 22},     {ui->butSerbian, 23},   {ui->butTurkish, 24},
        {ui->butUkrainian, 25}};
    for (const auto& b : buttons) {
        const int number = b.second;
        connect(b.first, &QPushButton::clicked, this, [this, number] { choose(number); });
    }
    showPage(1);
}

LanguageSelect::~LanguageSelect()
{
    delete ui;
}

void LanguageSelect::setToolTips()
{
    ui->butMenuUp->setToolTip(QCoreApplication::translate("LanguageSelect", "PreviousPage"));
    ui->butMenuBack->setToolTip(QCoreApplication::translate("LanguageSelect", "Back"));
    ui->butMenuDown->setToolTip(QCoreApplication::translate("LanguageSelect", "NextPage"));
}

void LanguageSelect::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setToolTips();
    QDialog::changeEvent(event);
}

void LanguageSelect::showPage(int page)
{
    m_currentPage = page;
    ui->mainArea->setCurrentIndex(page - 1);
}

void LanguageSelect::choose(int language)
{
    m_selectedLanguage = language;
    accept();
}

void LanguageSelect::on_butMenuUp_clicked()
{
    showPage(m_currentPage <= 1 ? kPageCount : m_currentPage - 1);
}

void LanguageSelect::on_butMenuDown_clicked()
{
    showPage(m_currentPage >= kPageCount ? 1 : m_currentPage + 1);
}

void LanguageSelect::on_butMenuBack_clicked()
{
    close();
}

void LanguageSelect::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

void LanguageSelect::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat())
            close();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
