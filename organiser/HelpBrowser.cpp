#include "HelpBrowser.h"

#include "RegularFile.h"

QUrl HelpBrowser::resolved(const QUrl& name) const {
    return name.isRelative() ? source().resolved(name) : name;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = resolved(name);
    if (!url.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    // Bytes, as the toolkit's own reader gives them: an HTML page states its own encoding.
    const RegularFile::Read read = RegularFile::read(url.toLocalFile());
    return read.ok() ? QVariant(*read.bytes) : QVariant();
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    const QUrl url = resolved(name);
    if (url.isLocalFile() && !RegularFile::read(url.toLocalFile()).ok())
        return;
    QTextBrowser::doSetSource(name, type);
}
