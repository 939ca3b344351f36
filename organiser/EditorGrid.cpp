#include "EditorGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>

namespace {

Qt::ItemFlags flagsOf(int row) {
    if (row == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

} // namespace

EditorGrid::EditorGrid(QTableWidget* grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid) {
    grid->setItemDelegate(this);
    // The header row is never the current row.
    connect(grid, &QTableWidget::currentCellChanged, this, [grid](int row, int column) {
        if (row == 0 && grid->rowCount() > 1)
            grid->setCurrentCell(1, column);
    });
}

QString EditorGrid::cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

void EditorGrid::setCell(QTableWidget* grid, int row, int column, const QString& text) {
    if (QTableWidgetItem* item = grid->item(row, column)) {
        item->setText(text);
        return;
    }
    auto* item = new QTableWidgetItem(text);
    item->setFlags(flagsOf(row));
    grid->setItem(row, column, item);
}

void EditorGrid::makeHeaderRow(QTableWidget* grid) {
    if (grid->rowCount() == 0)
        return;
    const QBrush face = grid->palette().button();
    for (int column = 0; column < grid->columnCount(); ++column) {
        setCell(grid, 0, column, cell(grid, 0, column));
        QTableWidgetItem* item = grid->item(0, column);
        item->setFlags(flagsOf(0));
        item->setBackground(face);
    }
    // As in any grid with a fixed header, the first row under it is current from the start: the
    // commands on "the current row" have a row to act on before the user clicks one.
    if (grid->rowCount() > 1 && grid->currentRow() < 1)
        grid->setCurrentCell(1, 0);
    for (int row = 1; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            if (QTableWidgetItem* item = grid->item(row, column)) {
                item->setFlags(flagsOf(row));
                item->setBackground(QBrush());
            }
        }
    }
}

QList<TableRow> EditorGrid::rows(const QTableWidget* grid) {
    QList<TableRow> rows;
    for (int row = 0; row < grid->rowCount(); ++row)
        rows.append({cell(grid, row, 0), cell(grid, row, 1)});
    return rows;
}

void EditorGrid::commitEdit(QTableWidget* grid) {
    QWidget* editor = QApplication::focusWidget();
    // An open cell editor is the only widget that lives inside the grid's viewport.
    if (!editor || !grid->viewport()->isAncestorOf(editor))
        return;
    // The view's own slots, protected in C++ but open to the meta-object system.
    QMetaObject::invokeMethod(grid, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
    QMetaObject::invokeMethod(
        grid, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget*, editor),
        Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
}

QWidget* EditorGrid::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        connect(line, &QLineEdit::textEdited, this, &EditorGrid::textEdited);
    return editor;
}
