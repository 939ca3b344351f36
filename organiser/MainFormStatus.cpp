// The main window's status bar: hints and list counts in panel 0, and the mouse notifications
// of the lists and the name-day band.
#include "MainForm.h"

#include "Guard.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QStatusTipEvent>

#include <algorithm>

void TfrmMain::SetStatusText(const QString& text) {
    m_statusPanels[0]->setText(text);
}

QString TfrmMain::statusPanelText(int panel) const {
    return panel >= 0 && panel < int(m_statusPanels.size()) ? m_statusPanels[panel]->text()
                                                            : QString();
}

void TfrmMain::setStatusPanelText(int panel, const QString& text) {
    if (panel < 0 || panel >= int(m_statusPanels.size()))
        return;
    QLabel* label = m_statusPanels[panel];
    label->setText(text);
    if (panel == 0)
        return;
    // The design's 50 pixels, or what the text needs in the window's font.
    const int needed = label->fontMetrics().horizontalAdvance(text) + 2 * label->frameWidth() +
                       label->fontMetrics().averageCharWidth() * 2;
    label->setMinimumWidth(std::max(50, needed));
}

void TfrmMain::ApplicationEventsHint(const QString& hint) {
    SetStatusText(hint);
}

void TfrmMain::showListCount(const QListWidget* list, const QString& phrase) {
    SetStatusText(QString::number(list->count()) + phrase);
}

void TfrmMain::clbIdopontMouseMove() {
    showListCount(clbIdopont, QStringLiteral(" időpont van a listában."));
}

void TfrmMain::clbFeladatMouseMove() {
    showListCount(clbFeladat, QStringLiteral(" feladat van a listában."));
}

void TfrmMain::clbFeljegyzesMouseMove() {
    showListCount(clbFeljegyzes, QStringLiteral(" feljegyzés van a listában."));
}

void TfrmMain::lbNevnapMouseMove() {
    showListCount(lbNevnap, QStringLiteral(" névnap van a listában."));
}

void TfrmMain::lbUnnepMouseMove() {
    showListCount(lbUnnep, QStringLiteral(" ünnep van a listában."));
}

bool TfrmMain::event(QEvent* event) {
    // The status tips of the menu items and of the controls under the mouse, an empty one where
    // there is none, go to panel 0 rather than over the whole bar.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        runGuarded([this, &tip] { ApplicationEventsHint(tip); });
        return true;
    }
    return QMainWindow::event(event);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    using Command = void (TfrmMain::*)();
    if (event->type() == QEvent::MouseMove) {
        const std::pair<QListWidget*, Command> lists[] = {
            {clbIdopont, &TfrmMain::clbIdopontMouseMove},
            {clbFeladat, &TfrmMain::clbFeladatMouseMove},
            {clbFeljegyzes, &TfrmMain::clbFeljegyzesMouseMove},
            {lbNevnap, &TfrmMain::lbNevnapMouseMove},
            {lbUnnep, &TfrmMain::lbUnnepMouseMove},
        };
        for (const auto& [list, handler] : lists) {
            if (watched == list->viewport())
                runGuarded([this, handler = handler] { (this->*handler)(); });
        }
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == clbIdopont->viewport() || watched == clbFeladat->viewport() ||
            watched == clbFeljegyzes->viewport())
            runGuarded([this] { mEdit_SubMenu1_LoadClick(); });
        else if (watched == tbNevnap)
            runGuarded([this] { tbNevnapDblClick(); });
    }
    return QMainWindow::eventFilter(watched, event);
}
