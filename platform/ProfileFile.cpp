#include "ProfileFile.h"

#include "AtomicFile.h"
#include "CodePage.h"
#include "LockWait.h"
#include "RegularFile.h"
#include "RunError.h"

#include <QFile>
#include <QList>

#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

// One line of the file, by byte offsets into it.
struct Line {
    enum Kind { Other, Section, Key };

    qsizetype start = 0;
    qsizetype end = 0;  // end of the text, before the line end
    qsizetype next = 0; // after the line end
    Kind kind = Other;
    QString name;         // the section's or key's name, trimmed
    qsizetype equals = 0; // where a key line's "=" is
};

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

QByteArrayView trimBlanks(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// The line without its line end and its blanks at both ends.
QByteArrayView lineText(const QByteArray& bytes, const Line& line) {
    return trimBlanks(QByteArrayView(bytes).sliced(line.start, line.end - line.start));
}

void classify(const QByteArray& bytes, Line& line) {
    const QByteArrayView text = lineText(bytes, line);
    if (text.isEmpty() || text.front() == ';')
        return;
    if (text.front() == '[') {
        const qsizetype close = text.indexOf(']');
        if (close >= 0) {
            line.kind = Line::Section;
            line.name = CodePage::toUnicode(trimBlanks(text.sliced(1, close - 1)));
        }
        return;
    }
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return;
    line.kind = Line::Key;
    line.name = CodePage::toUnicode(trimBlanks(text.first(equals)));
    line.equals = (text.data() - bytes.constData()) + equals;
}

QList<Line> splitLines(const QByteArray& bytes) {
    QList<Line> lines;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        Line line;
        line.start = pos;
        const qsizetype newline = bytes.indexOf('\n', pos);
        if (newline < 0) {
            line.end = line.next = bytes.size();
        } else {
            line.next = newline + 1;
            line.end = (newline > pos && bytes[newline - 1] == '\r') ? newline - 1 : newline;
        }
        classify(bytes, line);
        lines.append(line);
        pos = line.next;
    }
    return lines;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key stands: the first section of the name, the line that ends it, and the key's line.
struct Place {
    int header = -1;
    int sectionEnd = -1; // the next header's line, or the line count
    int key = -1;
};

Place find(const QList<Line>& lines, const QString& section, const QString& key) {
    Place place;
    for (int i = 0; i < lines.size(); ++i) {
        if (place.header < 0) {
            if (lines[i].kind == Line::Section && sameName(lines[i].name, section))
                place.header = i;
            continue;
        }
        if (lines[i].kind == Line::Section) {
            place.sectionEnd = i;
            return place;
        }
        if (place.key < 0 && lines[i].kind == Line::Key && sameName(lines[i].name, key))
            place.key = i;
    }
    place.sectionEnd = int(lines.size());
    return place;
}

// Text as it goes into the file: one line of Windows-1250 bytes.
QByteArray oneLine(const QString& text) {
    QByteArray bytes = CodePage::fromUnicode(text);
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

QByteArray nameBytes(const QString& name) {
    return trimBlanks(oneLine(name)).toByteArray();
}

QByteArrayView unquoted(QByteArrayView value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.sliced(1, value.size() - 2);
    return value;
}

QByteArray withValue(const QByteArray& bytes, const QByteArray& section, const QByteArray& key,
                     const QByteArray& value) {
    const QList<Line> lines = splitLines(bytes);
    const Place place = find(lines, CodePage::toUnicode(section), CodePage::toUnicode(key));
    QByteArray result = bytes;
    if (place.key >= 0) {
        const Line& line = lines[place.key];
        return result.replace(line.equals + 1, line.end - line.equals - 1, value);
    }
    const QByteArray keyLine = key + '=' + value + "\r\n";
    if (place.header < 0) {
        if (!result.isEmpty() && !result.endsWith('\n'))
            result += "\r\n";
        return result + '[' + section + "]\r\n" + keyLine;
    }
    int last = place.header;
    for (int i = place.header + 1; i < place.sectionEnd; ++i) {
        if (!lineText(bytes, lines[i]).isEmpty())
            last = i;
    }
    const Line& after = lines[last];
    // Only the file's last line can lack a line end; the key line then needs one before it.
    const QByteArray inserted = after.next == after.end ? "\r\n" + keyLine : keyLine;
    return result.insert(after.next, inserted);
}

// The side file that writers lock. The settings file itself cannot carry the lock: every write
// replaces it by a rename, and a lock on the old file would not hold off a writer that opened the
// new one. The lock file is never removed, for the same reason.
class WriteLock {
public:
    static constexpr int kLockWaitMs = 2000;

    explicit WriteLock(const QString& path) {
        const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
        m_fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
        if (m_fd < 0)
            return;
        // A write holds the lock for one read and one replace; one that holds it longer is
        // stuck, and this write then fails as a refused one does.
        if (!LockWait::exclusive(m_fd, QDeadlineTimer(kLockWaitMs))) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~WriteLock() {
        if (m_fd >= 0)
            ::close(m_fd); // drops the lock
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// The file's bytes; empty when there is no file, nothing when it is there but cannot be read
// whole: a failed read is never taken for an empty file, which the write would then replace.
std::optional<QByteArray> readAll(const QString& path) {
    const RegularFile::Read read = RegularFile::read(path);
    if (read.missing())
        return QByteArray();
    return read.bytes;
}

RunError writeFailure(const QString& path) {
    return RunError(QStringLiteral("Unable to write to ") + path);
}

} // namespace

QString ProfileFile::readString(const QString& path, const QString& section, const QString& key,
                                const QString& defaultValue) {
    return readString(contents(path), section, key, defaultValue);
}

std::optional<QByteArray> ProfileFile::contents(const QString& path) {
    RegularFile::Read read = RegularFile::read(path);
    if (!read.ok())
        return std::nullopt;
    return std::move(read.bytes);
}

QString ProfileFile::readString(const std::optional<QByteArray>& contents, const QString& section,
                                const QString& key, const QString& defaultValue) {
    if (!contents)
        return defaultValue;
    const QByteArray& bytes = *contents;

    const QList<Line> lines = splitLines(bytes);
    const Place place =
        find(lines, CodePage::toUnicode(nameBytes(section)), CodePage::toUnicode(nameBytes(key)));
    if (place.key < 0)
        return defaultValue;
    const Line& line = lines[place.key];
    QByteArrayView value = unquoted(
        trimBlanks(QByteArrayView(bytes).sliced(line.equals + 1, line.end - line.equals - 1)));
    if (value.size() > kMaxValueLength)
        value.truncate(kMaxValueLength);
    return CodePage::toUnicode(value);
}

void ProfileFile::writeString(const QString& path, const QString& section, const QString& key,
                              const QString& value) {
    writeStrings(path, {{section, key, value}});
}

void ProfileFile::writeStrings(const QString& path, const QList<Entry>& entries) {
    const WriteLock lock(path);
    if (!lock.held())
        throw writeFailure(path);
    const std::optional<QByteArray> old = readAll(path);
    if (!old)
        throw writeFailure(path);
    QByteArray updated = *old;
    for (const Entry& entry : entries)
        updated = withValue(updated, nameBytes(entry.section), nameBytes(entry.key),
                            oneLine(entry.value));
    if (!AtomicFile::write(path, updated).ok)
        throw writeFailure(path);
}
