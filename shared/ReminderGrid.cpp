#include "ReminderGrid.h"

#include "GridCellEditing.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

// The cells' editor, telling the grid at every keystroke that the user changed a cell's text.
class CellEditor : public QStyledItemDelegate {
public:
    explicit CellEditor(ReminderGrid* grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            connect(line, &QLineEdit::textEdited, m_grid, &ReminderGrid::textEdited);
        return editor;
    }

private:
    ReminderGrid* m_grid;
};

constexpr Qt::ItemFlags HeaderFlags = Qt::ItemIsEnabled;
constexpr Qt::ItemFlags RowFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;

} // namespace

ReminderGrid::ReminderGrid(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent) {
    setItemDelegate(new CellEditor(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
}

QString ReminderGrid::cell(int row, int column) const {
    const QTableWidgetItem* cellItem = item(row, column);
    return cellItem ? cellItem->text() : QString();
}

void ReminderGrid::setCell(int row, int column, const QString& text) {
    if (QTableWidgetItem* cellItem = item(row, column)) {
        cellItem->setText(text);
        return;
    }
    auto* cellItem = new QTableWidgetItem(text);
    cellItem->setFlags(m_fixedHeader && row == 0 ? HeaderFlags : RowFlags);
    setItem(row, column, cellItem);
}

void ReminderGrid::clearCells(int firstRow) {
    for (int row = firstRow; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (QTableWidgetItem* cellItem = item(row, column))
                cellItem->setText(QString());
        }
    }
}

QList<TableRow> ReminderGrid::rows() const {
    QList<TableRow> rows;
    for (int row = 0; row < rowCount(); ++row)
        rows.append({cell(row, 0), cell(row, 1)});
    return rows;
}

bool ReminderGrid::appendRow() {
    if (rowCount() >= MaxRows)
        return false;
    setRowCount(rowCount() + 1);
    return true;
}

void ReminderGrid::makeHeaderRow() {
    if (rowCount() == 0)
        return;
    m_fixedHeader = true;
    const QBrush face = palette().button();
    for (int column = 0; column < columnCount(); ++column) {
        setCell(0, column, cell(0, column));
        QTableWidgetItem* header = item(0, column);
        header->setFlags(HeaderFlags);
        header->setBackground(face);
    }
    // As in any grid with a fixed header, the first row under it is current from the start: the
    // commands on "the current row" have a row to act on before the user clicks one.
    if (m_currentBelowHeader && rowCount() > 1 && currentRow() < 1)
        setCurrentCell(1, 0);
    for (int row = 1; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (QTableWidgetItem* cellItem = item(row, column)) {
                cellItem->setFlags(RowFlags);
                cellItem->setBackground(QBrush());
            }
        }
    }
}

void ReminderGrid::keepCurrentBelowHeader() {
    m_currentBelowHeader = true;
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row == 0 && rowCount() > 1)
            setCurrentCell(1, column);
    });
}

void ReminderGrid::startEditorsOnTyping(QAbstractItemView::EditTriggers triggers) {
    setEditTriggers(triggers);
    GridCellEditing::install(this);
}

void ReminderGrid::commitEdit() {
    // The window's focus, not the application's: what was typed is kept even while another
    // window is active.
    QWidget* editor = window()->focusWidget();
    // An open cell editor is the only widget that lives inside the grid's viewport.
    if (!editor || !editor->isVisible() || !viewport()->isAncestorOf(editor))
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}
