#pragma once

#include "ProfileFile.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// Typed settings over one settings file. Its first read reads the whole file, and every read
// after it answers from that one reading, as the profile functions would have at that moment: a
// window reads all its keys while it is created, from one version of the file, which is opened
// once. Every write writes its value into the file at once (see ProfileFile); a read after a
// write reads the file again.
//
// Integers are written as decimal digits, "-" first for a negative one. They are read as decimal
// with an optional "+" or "-", as hexadecimal after a leading "$", and as hexadecimal after a
// leading "0x" or "0X" when more follows it; hexadecimal up to FFFFFFFF gives its 32-bit two's
// complement value. An empty or missing value, anything else, or a number outside the 32-bit
// signed range reads as the default.
//
// Booleans are written "1" and "0" and read as integers: non-zero is true, and a value that does
// not read as an integer gives the default.
//
// Colours are written by name when the colour table has one for the value, else as "$" and eight
// upper-case hexadecimal digits. They are read as a name in any letter case, else as an integer
// by the rule above; any other text, an empty value too, raises RunError. A missing key gives the
// default colour.
class IniFile {
public:
    explicit IniFile(const QString& path);

    QString path() const { return m_path; }

    QString ReadString(const QString& section, const QString& ident,
                       const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& ident, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& ident, bool defaultValue) const;
    quint32 ReadColour(const QString& section, const QString& ident, quint32 defaultColour) const;

    // Each raises RunError "Unable to write to <path>" when the file cannot be written.
    // Between BeginBatch and CommitBatch the writes are only gathered; CommitBatch writes them
    // in one locked read-modify-write of the file, with the same bytes as one by one, and raises
    // that RunError in their place.
    void BeginBatch();
    void CommitBatch();
    void WriteString(const QString& section, const QString& ident, const QString& value);
    void WriteInteger(const QString& section, const QString& ident, int value);
    void WriteBool(const QString& section, const QString& ident, bool value);
    void WriteColour(const QString& section, const QString& ident, quint32 colour);

    // The conversions the accessors use.
    static std::optional<qint32> textToInteger(QStringView text);
    static QString colourToText(quint32 colour);
    // Raises RunError "'<text>' is not a valid integer value" for text that is no colour.
    static quint32 textToColour(const QString& text);

private:
    QString readValue(const QString& section, const QString& ident,
                      const QString& defaultValue) const;

    QString m_path;
    // The file as the first read found it; nothing inside when it was missing or unreadable.
    mutable std::optional<std::optional<QByteArray>> m_contents;
    bool m_batching = false;
    QList<ProfileFile::Entry> m_batch;
};
