#include "widgets/ClampingSpinBox.h"

#include <QApplication>
#include <QLocale>

#include <algorithm>

ClampingSpinBox::ClampingSpinBox(QWidget *parent) : QSpinBox(parent) {}

QValidator::State ClampingSpinBox::validate(QString &input, int &) const
{
    const QChar separator = locale().decimalPoint().front();
    for (const QChar c : input) {
        if (!c.isDigit() && c != u'+' && c != u'-' && c != separator) {
            QApplication::beep();
            return QValidator::Invalid;
        }
    }
    bool isNumber = false;
    const long long value = input.toLongLong(&isNumber);
    // Out of range is only unfinished: fixup pulls it in when the typing ends.
    return isNumber && value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void ClampingSpinBox::fixup(QString &input) const
{
    bool isNumber = false;
    const long long value = input.toLongLong(&isNumber);
    if (isNumber)
        input = QString::number(std::clamp<long long>(value, minimum(), maximum()));
}
