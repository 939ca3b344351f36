#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Stored files hold single-byte Windows-1250 text. These convert at the file boundary.
//
// The five byte values that the code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) decode
// to the C1 control character of the same number, so every byte of a file survives a round trip.
// A character the code page cannot hold encodes as "?".
namespace CodePage {

QString toUnicode(QByteArrayView bytes);
// The bytes decoded onto the end of the text.
void append(QString& text, QByteArrayView bytes);
QByteArray fromUnicode(QStringView text);

// One character of the code page; '?' for a character it cannot hold.
char encodeChar(QChar ch);
QChar decodeByte(unsigned char byte);

} // namespace CodePage
