#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QTimer>

class QAbstractItemView;

// A click on the cell that is already current opens its editor once the double-click time has
// passed, as Qt's "selected clicked" trigger does; but a key pressed in that time starts the
// editor with the key typed, where Qt drops the key and opens the editor later with the old
// text. A double click in that time leaves the cell to the double-click handling.
class GridCellEditing : public QObject {
    Q_OBJECT

public:
    // Takes the "selected clicked" trigger over from the view, whose other triggers stay.
    static void install(QAbstractItemView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit GridCellEditing(QAbstractItemView* view);
    void openPendingEditor();

    QAbstractItemView* m_view;
    QTimer m_pending;
    QPersistentModelIndex m_pressed;
    bool m_pressedCurrent = false;
};
