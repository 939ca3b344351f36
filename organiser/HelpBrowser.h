#pragma once

#include <QTextBrowser>

// The help window's page view. The pages it reads obey the rule every other read obeys:
// regular files only, so that a topic linking to a named pipe or a device cannot hold the
// organiser in the read.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    // A topic that cannot be read leaves the page shown as it is, not a blank one.
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    QUrl resolved(const QUrl& name) const;
};
