#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

// The organiser's help: the help file (our own Hungarian pages, HTML inside) in a window of its
// own, opened at the list of topics. A topic's link leads to it within the file; an address on
// the web goes to the desktop's opener.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    static QString fileName() { return QStringLiteral("Zimpa.hlp"); }

    // Shows the file at its contents in the owner's help window, made on first use and brought
    // to the front after that.
    static HelpWindow* showContents(const QString& path, QWidget* owner);

    QTextBrowser* browser = nullptr;

private:
    explicit HelpWindow(QWidget* owner);
    void follow(const QUrl& link);
};
