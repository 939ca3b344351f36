#pragma once

#include <QAbstractSpinBox>

// A numeric field with arrows whose text is whatever was typed or set, numbers or not. Leaving
// it brings a number outside the range back to the nearest bound; any other text stays as it is.
// A field whose bounds are both 0 has no range.
class SpinField : public QAbstractSpinBox {
    Q_OBJECT

public:
    SpinField(int minimum, int maximum, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    // The text as a number; the minimum when it is none.
    int value() const;
    // Shows the number, brought inside the range.
    void setValue(int number);
    // The most characters the field takes.
    void setMaxLength(int characters);

    void stepBy(int steps) override;

    // Room for the largest number and a little more, with the arrows beside it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The text changed, typed or set.
    void textChanged();

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    void keepInRange();
    bool hasRange() const { return m_minimum != 0 || m_maximum != 0; }
    int inRange(int number) const;

    int m_minimum;
    int m_maximum;
};
