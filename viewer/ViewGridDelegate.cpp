#include "ViewGridDelegate.h"

#include <QLineEdit>

QWidget* ViewGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        connect(line, &QLineEdit::textEdited, this, &ViewGridDelegate::textEdited);
    return editor;
}
