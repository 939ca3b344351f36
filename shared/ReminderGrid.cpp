#include "ReminderGrid.h"

#include "GridCellEditing.h"
#include "OneLineValidator.h"

#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

// The cells' editor: one line, telling the grid at every keystroke that the user changed a
// cell's text.
class CellEditor : public QStyledItemDelegate {
public:
    explicit CellEditor(ReminderGrid* grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setValidator(new OneLineValidator(line));
            connect(line, &QLineEdit::textEdited, m_grid, &ReminderGrid::textEdited);
        }
        return editor;
    }

private:
    ReminderGrid* m_grid;
};

// Every text that enters a cell passes here, whichever way it comes: a committed editor, a
// load, another dialog. So no window can put a line break into a row.
class OneLineCell : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;

    QTableWidgetItem* clone() const override { return new OneLineCell(*this); }

    void setData(int role, const QVariant& value) override {
        if ((role == Qt::DisplayRole || role == Qt::EditRole) &&
            value.typeId() == QMetaType::QString)
            QTableWidgetItem::setData(role, OneLineValidator::flatten(value.toString()));
        else
            QTableWidgetItem::setData(role, value);
    }
};

constexpr Qt::ItemFlags HeaderFlags = Qt::ItemIsEnabled;
constexpr Qt::ItemFlags RowFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;

} // namespace

ReminderGrid::ReminderGrid(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent) {
    setItemPrototype(new OneLineCell);
    setItemDelegate(new CellEditor(this));
    QHeaderView* header = horizontalHeader();
    header->hide();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->hide();
    // The header shows row 0's captions, whoever changes them and however: a load, a clearing.
    connect(model(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft) {
        if (m_fixedHeader && topLeft.row() == 0)
            showHeaderCaptions();
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (m_fixedHeader && row == 0 && rowCount() > 1)
            setCurrentCell(1, column);
    });
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
    auto* cellItem = new OneLineCell;
    cellItem->setText(text);
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
    for (int column = 0; column < columnCount(); ++column) {
        setCell(0, column, cell(0, column));
        item(0, column)->setFlags(HeaderFlags);
    }
    for (int row = 1; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (QTableWidgetItem* cellItem = item(row, column))
                cellItem->setFlags(RowFlags);
        }
    }
    // Row 0 stays in the model, where every caller finds it, and is shown by the view's own
    // header, which the rows scroll under.
    setRowHidden(0, true);
    horizontalHeader()->setFixedHeight(verticalHeader()->defaultSectionSize());
    horizontalHeader()->show();
    showHeaderCaptions();
    followWindowLook();
    // As in any grid with a fixed header, the first row under it is current from the start: the
    // commands on "the current row" have a row to act on before the user clicks one.
    if (rowCount() > 1 && currentRow() < 1)
        setCurrentCell(1, std::max(currentColumn(), 0));
}

void ReminderGrid::releaseHeaderRow() {
    m_fixedHeader = false;
    setRowHidden(0, false);
    horizontalHeader()->hide();
}

void ReminderGrid::showHeaderCaptions() {
    for (int column = 0; column < columnCount(); ++column) {
        if (QTableWidgetItem* caption = horizontalHeaderItem(column))
            caption->setText(cell(0, column));
        else
            setHorizontalHeaderItem(column, new QTableWidgetItem(cell(0, column)));
    }
}

// The desktop gives headers a font of their own, which a window's font does not reach, and
// writes them in the colour of buttons: the header row follows the window's font and text
// colour as its cells do.
void ReminderGrid::followWindowLook() {
    QHeaderView* header = horizontalHeader();
    header->setFont(font());
    QPalette colours = header->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::ButtonText, palette().color(group, QPalette::Text));
    header->setPalette(colours);
}

void ReminderGrid::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        followWindowLook();
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
