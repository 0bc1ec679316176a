#include "measmanagement.h"
#include "Management/measmanagementedit.h"
#include "Management/systemsettings.h"
#include "Tools/fittext.h"
#include "Tools/measurements.h"
#include "Tools/messagedialog.h"
#include "mainmenu.h"
#include "screennumbers.h"
#include "ui_measmanagement.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

enum Column { ColumnType, ColumnDate, ColumnTime, ColumnName, ColumnCount };
// Beyond the cells' own margins.
const int kColumnGap = 2;
// The room the name keeps beside the other columns, in average characters:
// a name such as "Hydrant 3" reads whole.
const int kReadableNameChars = 11;

}

MeasManagement::MeasManagement(QWidget* parent)
    : QWidget(parent), ui(new Ui::MeasManagement)
{
    ui->setupUi(this);
    QHeaderView* header = ui->tableMeasurements->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(ColumnName, QHeaderView::Stretch);
    ui->tableMeasurements->installEventFilter(this);
    connect(ui->tableMeasurements, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row < m_entries.size())
            m_selectedMeasurementDir = m_entries.at(row).exactName();
    });
}

MeasManagement::~MeasManagement()
{
    delete ui;
}

void MeasManagement::init(int param, bool flag)
{
    qDebug() << "MeasManagement: init" << param << flag;
    retranslate();
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());
    fill();
    ui->tableMeasurements->setFocus(Qt::OtherFocusReason);
}

void MeasManagement::retranslate()
{
    ui->labelTitle->setText(QCoreApplication::translate("Management", "Measurements"));
    ui->labelEmpty->setText(tr("NoMeasurementsStored"));
    ui->butMenuUp->setToolTip(tr("Up"));
    ui->butMenuDown->setToolTip(tr("Down"));
    ui->butMenuOpen->setToolTip(tr("Open"));
    ui->butMenuEdit->setToolTip(tr("Edit"));
    ui->butMenuBack->setToolTip(tr("Back"));
}

QStringList MeasManagement::rowTexts(const StoredMeasurement& entry)
{
    MainMenu* hub = MainMenu::getInstanceMainMenu();
    const Systemsettings* settings = hub ? hub->getInstanceSystemsettings() : nullptr;
    return entry.columns(settings ? settings->getFormatStringDate() : QStringLiteral("dd.MM.yyyy"),
                         settings ? settings->getFormatStringTime() : QStringLiteral("hh:mm:ss"));
}

void MeasManagement::fill(int fallbackRow)
{
    const QString keep = m_selectedMeasurementDir;
    m_entries.clear();
    for (const Measurements::Listed& listed : MeasurementData()->listMeasurements())
        m_entries.append(StoredMeasurement::fromDirName(listed.name, listed.ambiguity));
    const int stored = MeasurementData()->getNumMeasurements();
    ui->labelCount->setText(QStringLiteral("(%1 / %2)").arg(stored).arg(Measurements::maxNumMeasurements));

    QTableWidget* table = ui->tableMeasurements;
    const QSignalBlocker quiet(table);
    table->setRowCount(m_entries.size());
    int keptRow = -1;
    for (int row = 0; row < m_entries.size(); ++row) {
        const StoredMeasurement& entry = m_entries.at(row);
        const QStringList texts = rowTexts(entry);
        for (int column = 0; column < ColumnCount; ++column)
            table->setItem(row, column, new QTableWidgetItem(texts.value(column)));
        if (!keep.isEmpty() && entry.exactName() == keep)
            keptRow = row;
    }
    fitColumns();
    const bool any = !m_entries.isEmpty();
    ui->labelEmpty->setVisible(!any);
    ui->butMenuOpen->setEnabled(any);
    ui->butMenuEdit->setEnabled(any);
    select(keptRow >= 0 ? keptRow : qMin(fallbackRow, m_entries.size() - 1));
}

// Date and time as wide as they are; the type as wide as its words, up to
// what leaves the name a readable room. A type word wider than that is set
// smaller, and past the smallest size the view ends it in "…".
void MeasManagement::fitColumns()
{
    QTableWidget* table = ui->tableMeasurements;
    table->ensurePolished();
    QStyle* style = table->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    // With its scroll bar, as a full list shows.
    int rest = table->width() - 2 * table->frameWidth()
               - style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    for (int column : {ColumnDate, ColumnTime}) {
        table->resizeColumnToContents(column);
        table->setColumnWidth(column, table->columnWidth(column) + kColumnGap);
        rest -= table->columnWidth(column);
    }
    const int typeColumn = rest - kReadableNameChars * QFontMetrics(table->font()).averageCharWidth() - margins;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem* type = table->item(row, ColumnType);
        type->setFont(FitText::fitting(table->font(), type->text(), typeColumn - kColumnGap - margins));
    }
    table->resizeColumnToContents(ColumnType);
    table->setColumnWidth(ColumnType, qMin(table->columnWidth(ColumnType) + kColumnGap, typeColumn));
}

void MeasManagement::select(int row)
{
    if (row < 0 || row >= m_entries.size()) {
        m_selectedMeasurementDir.clear();
        return;
    }
    ui->tableMeasurements->setCurrentCell(row, ColumnType);
    m_selectedMeasurementDir = m_entries.at(row).exactName();
}

void MeasManagement::move(int step)
{
    const int n = m_entries.size();
    if (n > 0)
        select((ui->tableMeasurements->currentRow() + step + n) % n);
}

const StoredMeasurement* MeasManagement::current() const
{
    const int row = ui->tableMeasurements->currentRow();
    return row >= 0 && row < m_entries.size() ? &m_entries.at(row) : nullptr;
}

void MeasManagement::on_butMenuUp_clicked()
{
    move(-1);
}

void MeasManagement::on_butMenuDown_clicked()
{
    move(1);
}

void MeasManagement::on_butMenuOpen_clicked()
{
    const StoredMeasurement* entry = current();
    if (!entry)
        return;
    // It may have gone since the list was made (a PC, or another screen).
    const QString problem = StoredMeasurement::openProblem(*entry);
    if (!problem.isEmpty()) {
        MessageDialog::showWarningText(this, problem);
        fill(ui->tableMeasurements->currentRow());
        return;
    }
    m_selectedMeasurementDir = entry->dirName();
    qDebug() << "MeasManagement: open" << m_selectedMeasurementDir;
    emit gotoWidget(entry->widget(), Screen::StackUnchanged, Screen::StoredView);
}

void MeasManagement::on_butMenuEdit_clicked()
{
    const StoredMeasurement* entry = current();
    if (!entry)
        return;
    const int row = ui->tableMeasurements->currentRow();
    MeasManagementEdit edit(this);
    edit.setMeasurement(*entry);
    edit.exec();
    if (!edit.getMeasurementDir().isEmpty())
        m_selectedMeasurementDir = edit.getMeasurementDir();
    fill(row);
}

void MeasManagement::on_butMenuBack_clicked()
{
    emit exit();
}

bool MeasManagement::handleKey(QKeyEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (press)
            move(event->key() == Qt::Key_Up ? -1 : 1);
        return true;
    case Qt::Key_Space:
        // OK opens on its release, as a button would.
        if (!press && !event->isAutoRepeat())
            on_butMenuOpen_clicked();
        return true;
    case Qt::Key_Escape:
        if (!press && !event->isAutoRepeat())
            on_butMenuBack_clicked();
        return true;
    default:
        return false;
    }
}

bool MeasManagement::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        && handleKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void MeasManagement::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

void MeasManagement::keyReleaseEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        QWidget::keyReleaseEvent(event);
}
