#pragma once

#include "ContentFile.h"

#include <QAbstractItemView>
#include <QList>
#include <QTableWidget>

// The two-column grid of an appointment's or a task's rows: times and messages, row 0 holding
// the column captions. Each window that shows one picks what it needs of the fixed header row,
// the current row kept under it and typing into the current cell.
class ReminderGrid : public QTableWidget {
    Q_OBJECT

public:
    // What one content file may hold, the header included.
    static constexpr int MaxRows = ContentFile::MaxLines;

    // Starts with both headers hidden: row 0 is an ordinary row until the window fixes it.
    ReminderGrid(int rows, int columns, QWidget* parent = nullptr);

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    // Empties the cells from the row on, keeping the rows.
    void clearCells(int firstRow);
    // Every row, the header first.
    QList<TableRow> rows() const;
    // One more row at the end, unless the grid holds as many as a file may.
    bool appendRow();

    // Gives row 0 the fixed header's look: it cannot be edited or selected; the rows under it
    // stay editable.
    void makeHeaderRow();
    // Row 0 is never the current row, and the first row under it is current from the start.
    void keepCurrentBelowHeader();
    // The edit triggers, with a key pressed on the current cell typed into its editor.
    void startEditorsOnTyping(QAbstractItemView::EditTriggers triggers);

    // A cell being typed into is kept only once its editor closes; commands that read the grid
    // first take what was typed.
    void commitEdit();

signals:
    // The user changed the text in a cell's editor, before it is committed.
    void textEdited();

private:
    bool m_fixedHeader = false;
    bool m_currentBelowHeader = false;
};
