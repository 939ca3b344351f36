#include "OneLineValidator.h"

namespace {

// Flattens the text; the position, when given, moves with the text before it.
QString flattened(const QString& text, int* pos) {
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString result;
    result.reserve(text.size());
    const int before = pos ? *pos : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            // Two characters become one blank.
            if (pos && i < before)
                --*pos;
            continue;
        }
        result += ch == QLatin1Char('\n') || ch == QLatin1Char('\r') ? QLatin1Char(' ') : ch;
    }
    return result;
}

} // namespace

QString OneLineValidator::flatten(const QString& text) {
    return flattened(text, nullptr);
}

QValidator::State OneLineValidator::validate(QString& input, int& pos) const {
    input = flattened(input, &pos);
    return Acceptable;
}
