#pragma once

#include "ContentFile.h"

#include <QList>
#include <QStyledItemDelegate>

class QTableWidget;

// The two-column grid that edits an appointment's or a task's rows. Row 0 holds the column
// captions and stays fixed: it cannot be edited, selected or made the current row.
class EditorGrid : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Attaches itself to the grid as its delegate.
    explicit EditorGrid(QTableWidget* grid);

    static QString cell(const QTableWidget* grid, int row, int column);
    static void setCell(QTableWidget* grid, int row, int column, const QString& text);

    // Gives row 0 the fixed header's look and behaviour; the other rows stay editable.
    static void makeHeaderRow(QTableWidget* grid);

    // Every row, the header first.
    static QList<TableRow> rows(const QTableWidget* grid);

    // A cell being typed into is kept only once its editor closes; commands that read the grid
    // first take what was typed.
    static void commitEdit(QTableWidget* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

signals:
    // The user changed the text in a cell's editor, before it is committed.
    void textEdited();

private:
    QTableWidget* m_grid;
};
