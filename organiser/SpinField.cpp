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
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinField::textChanged);
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

void SpinField::setValue(int number) {
    setText(QString::number(inRange(number)));
}

void SpinField::setMaxLength(int characters) {
    lineEdit()->setMaxLength(characters);
}

int SpinField::inRange(int number) const {
    return hasRange() ? std::clamp(number, m_minimum, m_maximum) : number;
}

void SpinField::stepBy(int steps) {
    setText(QString::number(inRange(value() + steps)));
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
    if (ok && number != inRange(number))
        setText(QString::number(inRange(number)));
}

QSize SpinField::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    const QString widest = hasRange() ? QString::number(m_maximum) : QStringLiteral("9999");
    const int text = metrics.horizontalAdvance(widest + QStringLiteral("00"));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option,
                                     QSize(text, lineEdit()->sizeHint().height()), this);
}
