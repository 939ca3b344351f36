#include "HelpWindow.h"

#include "HelpBrowser.h"
#include "Shell.h"

#include <QTextDocument>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* owner)
    // A window of the organiser's own, never lost behind its main window, even one that stays
    // on top: window managers keep a dialog above the window it belongs to. It is not modal.
    : QWidget(owner, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Zimpa V2.00 - Súgó"));
    setAttribute(Qt::WA_QuitOnClose, false);
    browser = new HelpBrowser(this);
    browser->setObjectName(QStringLiteral("browser"));
    // Every link comes here first: the file's own anchors stay in the window, the rest is the
    // desktop's.
    browser->setOpenLinks(false);
    connect(browser, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(640, 520);
}

HelpWindow* HelpWindow::showContents(const QString& path, QWidget* owner) {
    auto* window = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(owner);
    // Read anew each time, so that a help file replaced meanwhile shows as it is now; the text
    // states its own encoding.
    const QUrl file = QUrl::fromLocalFile(path);
    if (window->browser->source().adjusted(QUrl::RemoveFragment) == file)
        window->browser->reload();
    else
        window->browser->setSource(file, QTextDocument::HtmlResource);
    window->browser->scrollToAnchor(QStringLiteral("tartalom"));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void HelpWindow::follow(const QUrl& link) {
    if (link.isRelative() || link.isLocalFile()) {
        browser->setSource(browser->source().resolved(link), QTextDocument::HtmlResource);
        return;
    }
    Shell::open(link.toString());
}
