#include "SpinField.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

SpinField::SpinField(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent)
    , m_minimum(minimum)
    , m_maximum(maximum) {
    lineEdit()->setText(QString::number(minimum));
    connect(this, &QAbstractSpinBox::editingFinished, this, &SpinField::keepInRange);
}

QString SpinField::text() const {
    return lineEdit()->text();
}

void SpinField::setText(const QString& text) {
    lineEdit()->setText(text);
}

int SpinField::value() const {
    bool ok = false;
    const int number = text().trimmed().toInt(&ok);
    return ok ? number : m_minimum;
}

void SpinField::stepBy(int steps) {
    setText(QString::number(std::clamp(value() + steps, m_minimum, m_maximum)));
    selectAll();
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State SpinField::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

void SpinField::fixup(QString&) const {
}

void SpinField::keepInRange() {
    bool ok = false;
    const int number = text().trimmed().toInt(&ok);
    if (ok && (number < m_minimum || number > m_maximum))
        setText(QString::number(std::clamp(number, m_minimum, m_maximum)));
}

QSize SpinField::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    const int text = metrics.horizontalAdvance(QString::number(m_maximum) + QStringLiteral("00"));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option,
                                     QSize(text, lineEdit()->sizeHint().height()), this);
}
