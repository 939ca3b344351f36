#include "HelpBrowser.h"

#include "RegularFile.h"

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    // Bytes, as the toolkit's own reader gives them: an HTML page states its own encoding.
    const RegularFile::Read read = RegularFile::read(url.toLocalFile());
    return read.ok() ? QVariant(*read.bytes) : QVariant();
}
