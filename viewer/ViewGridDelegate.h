#pragma once

#include <QStyledItemDelegate>

// The editor of the viewer's table cells, telling at every keystroke that the user changed a
// cell's text, before the edit is committed.
class ViewGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

signals:
    void textEdited();
};
