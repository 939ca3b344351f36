// The new-reminder dialog's places grown to its font: at the design's font every control keeps
// the design's place; a larger font widens the label column and heightens the rows, so that no
// caption is cut, and the dialog grows with them.
#include "NewForm.h"

#include "ReminderGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>

namespace {

// The design's measures, the least each place gets.
constexpr int Margin = 8;
constexpr int Top = 10;
constexpr int LabelWidth = 120;
constexpr int LabelHeight = 17;
constexpr int FieldWidth = 281;
constexpr int FieldHeight = 23;
constexpr int RowGap = 9;
constexpr int ContentHeight = 169;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 27;
constexpr int CheckBoxWidth = 200;
constexpr int CheckBoxHeight = 21;

} // namespace

void TfrmNew::placeControls() {
    const QFontMetrics metrics(font());
    const int labelHeight = std::max(LabelHeight, metrics.height());
    const int fieldHeight = std::max(FieldHeight, metrics.height() + 6);
    int labelWidth = LabelWidth;
    for (const QLabel* label : {lbType, lbStartDate, lbEndDate, lbId})
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label->text()) + 8);
    const int fieldLeft = Margin + labelWidth + Margin;
    const int dialogWidth = fieldLeft + FieldWidth + 11;
    const int contentWidth = dialogWidth - Margin - 11;
    const int labelOffset = (fieldHeight - labelHeight) / 2;

    int top = Top;
    const std::pair<QLabel*, QWidget*> rows[] = {
        {lbType, cbType}, {lbStartDate, dtStart}, {lbEndDate, dtEnd}, {lbId, ListIDEdit}};
    for (const auto& [label, field] : rows) {
        label->setGeometry(Margin, top + labelOffset, labelWidth, labelHeight);
        field->setGeometry(fieldLeft, top, FieldWidth, fieldHeight);
        top += fieldHeight + RowGap;
    }
    lbGrid->setGeometry(Margin, top - RowGap + 11, contentWidth, labelHeight);
    const QRect content(Margin, lbGrid->geometry().bottom() + 4, contentWidth, ContentHeight);
    for (QWidget* control :
         std::initializer_list<QWidget*>{StringGrid1, reMemo, clbNevnap, clbUnnep})
        control->setGeometry(content);
    // The message column takes the grid's width, less the room the design leaves for the scroll
    // bar.
    StringGrid1->setColumnWidth(1, content.width() - StringGrid1->columnWidth(0) - 22);

    const int buttonHeight = std::max(ButtonHeight, metrics.height() + 8);
    int buttonWidth = ButtonWidth;
    for (const QPushButton* button : {btnOk, btnCancel})
        buttonWidth = std::max(buttonWidth, metrics.horizontalAdvance(button->text()) + 24);
    const int buttonTop = content.bottom() + 1 + 31;
    cbSaveEmptyLines->setGeometry(Margin, buttonTop + 3,
                                  std::max(CheckBoxWidth, cbSaveEmptyLines->sizeHint().width()),
                                  std::max(CheckBoxHeight, cbSaveEmptyLines->sizeHint().height()));
    btnCancel->setGeometry(dialogWidth - 11 - buttonWidth, buttonTop, buttonWidth, buttonHeight);
    btnOk->setGeometry(btnCancel->x() - 11 - buttonWidth, buttonTop, buttonWidth, buttonHeight);
    setFixedSize(dialogWidth, buttonTop + buttonHeight + 22);
}
