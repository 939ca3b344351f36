#include "AsciiCase.h"

QString asciiUpper(const QString& text) {
    QString result = text;
    for (QChar& ch : result) {
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - 'a' + 'A');
    }
    return result;
}
