#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The settings ("profile") file engine: one value per call, with the rules of the Windows profile
// functions that the stored settings files rely on. The file is shared by the organiser and any
// number of viewers, so nothing is cached and no handle is kept between calls; each call works on
// the file as it is on disk at that moment. Names and values are Windows-1250 bytes in the file.
//
// Reading (readString):
// - A line's leading blanks (spaces, tabs) are skipped. A line that then starts with ";" is a
//   comment and never matches. A line that starts with "[" and has a "]" is a section header; its
//   name is the text between "[" and the first "]". A "[" line without "]" is ignored.
// - Any other line with an "=" is a key line: the key is the text before the first "=", the value
//   the text after it. A line without "=" is ignored, and so are key lines before the first header.
// - Section and key names are trimmed of blanks at both ends and compared without regard to letter
//   case, accented letters included. The names asked for are trimmed the same way.
// - Only the first section of a name counts; a later section of the same name is never read from or
//   written to. In that section the first line with the key wins.
// - The value is trimmed of blanks at both ends; a value enclosed in a matching pair of double or
//   single quotes then loses that one pair.
// - The value goes through a 2048-byte buffer, so at most 2047 characters of it are returned.
// - A missing file, section or key gives the default, as it was passed. Reading never creates the
//   file, takes no lock and leaves no lock file behind.
// - Lines end with CRLF or LF; the last line may have no line end.
//
// Writing (writeString):
// - When the key is there, its line keeps its position, its line end and everything before the
//   "="; only the text after the "=" is replaced. Every other byte of the file stays as it was.
// - Otherwise "key=value" is added to the section after its last non-blank line (before the blank
//   lines that separate it from the next section), or, when the section is missing, "[section]"
//   and the key line are appended at the end of the file. A missing file is created. New lines end
//   with CRLF.
// - Section and key names are written trimmed and the value as given, except that a line break
//   in any of them becomes a space, so a value can never add lines or sections to the file.
// - Each write holds an exclusive lock on the side file path + ".lock" for its whole
//   read-modify-write, and replaces the file with AtomicFile, so two processes writing at the same
//   moment lose neither's keys and a reader sees either the old file or the new one, whole. It
//   waits at most two seconds for another process's lock: a write that cannot get it in that
//   time fails like any other.
// - A write that cannot be done raises RunError "Unable to write to <path>"; the old file stays
//   as it was.
// - writeStrings makes several writes in one read-modify-write under one lock: the file ends
//   byte for byte as the same writes one by one would leave it, and a failure writes none.
class ProfileFile {
public:
    ProfileFile() = delete;

    static QString readString(const QString& path, const QString& section, const QString& key,
                              const QString& defaultValue);

    // The file's bytes as readString reads them; nothing when it is missing or cannot be read,
    // which gives every key its default.
    static std::optional<QByteArray> contents(const QString& path);
    // readString over contents read before: the value as readString found it at that moment.
    static QString readString(const std::optional<QByteArray>& contents, const QString& section,
                              const QString& key, const QString& defaultValue);

    static void writeString(const QString& path, const QString& section, const QString& key,
                            const QString& value);

    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    static void writeStrings(const QString& path, const QList<Entry>& entries);

    // The longest value readString returns: the 2048-byte buffer less its terminating NUL.
    static constexpr int kMaxValueLength = 2047;
};
