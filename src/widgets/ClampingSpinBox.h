#pragma once
// A number field for a small range: it takes digits, signs and the decimal separator only
// (other keys beep), and a number outside the range is pulled to its nearest end, on entry
// and when the field loses the focus, instead of being thrown away.
#include <QSpinBox>

class ClampingSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit ClampingSpinBox(QWidget *parent = nullptr);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};
