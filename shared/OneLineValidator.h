#pragma once

#include <QValidator>

// A field that holds one line: a grid's cell, the row editor's message. A line break typed or
// pasted into it (CR LF, LF or CR) becomes one blank, since every stored line is one table row
// and a break would split the row in two at the next load.
class OneLineValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    // The text with each line break made one blank.
    static QString flatten(const QString& text);

    // Never refuses: the text is flattened and the cursor kept after what it followed.
    State validate(QString& input, int& pos) const override;
};
