#pragma once

#include "ContentFile.h"

#include <QAbstractItemView>
#include <QList>
#include <QTableWidget>

// The two-column grid of an appointment's or a task's rows: times and messages, row 0 holding
// the column captions. A cell holds one line. A window that shows row 0 as the grid's fixed
// header says so; the template editors keep it an ordinary row.
class ReminderGrid : public QTableWidget {
    Q_OBJECT

public:
    // What one content file may hold, the header included.
    static constexpr int MaxRows = ContentFile::MaxLines;

    // Starts with both headers hidden: row 0 is an ordinary row until the window fixes it.
    ReminderGrid(int rows, int columns, QWidget* parent = nullptr);

    QString cell(int row, int column) const;
    // A line break in the text becomes a blank, as in every other way text enters a cell.
    void setCell(int row, int column, const QString& text);
    // Empties the cells from the row on, keeping the rows.
    void clearCells(int firstRow);
    // Every row, the header first.
    QList<TableRow> rows() const;
    // One more row at the end, unless the grid holds as many as a file may.
    bool appendRow();

    // Makes row 0 the grid's one fixed header: it stays in view above the rows as they scroll,
    // shows what row 0 holds, and takes no edit or selection. It keeps its index, so every row
    // keeps its own. The header is never the current row: the first row under it is.
    void makeHeaderRow();
    // Row 0 becomes an ordinary row again, as in a grid of one row, which cannot also have one.
    void releaseHeaderRow();
    bool hasHeaderRow() const { return m_fixedHeader; }

    // The edit triggers, with a key pressed on the current cell typed into its editor.
    void startEditorsOnTyping(QAbstractItemView::EditTriggers triggers);

    // A cell being typed into is kept only once its editor closes; commands that read the grid
    // first take what was typed.
    void commitEdit();

signals:
    // The user changed the text in a cell's editor, before it is committed.
    void textEdited();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showHeaderCaptions();
    void followWindowLook();

    bool m_fixedHeader = false;
};
