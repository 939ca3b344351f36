#pragma once

#include <QTextBrowser>

// The help window's page view. The pages and pictures it reads obey the rule every other read
// obeys: regular files only, so that a topic linking to a named pipe or a device cannot hold
// the organiser in the read. Such a topic is refused as a missing one is.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override;
};
