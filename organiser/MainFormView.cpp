// The main window's two layouts, its view commands and its resizing.
#include "MainForm.h"

#include "ControlBar.h"
#include "DesktopColours.h"
#include "FontDialog.h"
#include "Guard.h"
#include "ListColumns.h"
#include "PageSplitter.h"
#include "ReminderGrid.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QResizeEvent>
#include <QToolBar>

void TfrmMain::setVerticalLayout(bool vertical) {
    Splitter1->setPagesBeside(vertical);
    (vertical ? mView_AlignV : mView_AlignH)->setChecked(true);
}

bool TfrmMain::isVerticalLayout() const {
    return mView_AlignV->isChecked();
}

int TfrmMain::pageControlExtent() const {
    return Splitter1->extent();
}

void TfrmMain::setPageControlExtent(int pixels) {
    Splitter1->setExtent(pixels);
}

void TfrmMain::setListColumns(QListWidget* list, int columns) {
    ListColumns::set(list, columns);
}

int TfrmMain::listColumns(const QListWidget* list) {
    return ListColumns::of(list);
}

void TfrmMain::setStayOnTop(bool on) {
    mView_StayOnTop->setChecked(on);
    if (stayOnTop() == on)
        return;
    // Changing the hint makes a new native window and hides it.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        show();
}

bool TfrmMain::stayOnTop() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TfrmMain::setFontColour(quint32 colour) {
    m_fontColour = colour;
    DesktopColours::applyTextColour(this, colour);
}

void TfrmMain::showBandsFromChecks() {
    ToolBar1->setVisible(mView_cbFile->isChecked());
    tbNevnap->setVisible(mView_cbNevnap->isChecked());
}

int TfrmMain::bandPosition(QWidget* band) const {
    return ControlBar1->bandPosition(band);
}

void TfrmMain::setBandPosition(QWidget* band, int left) {
    ControlBar1->setBandPosition(band, left);
}

void TfrmMain::mView_FontClick() {
    const auto choice = FontDialog::choose({font(), m_fontColour}, this);
    if (!choice)
        return;
    setFont(choice->font);
    setFontColour(choice->colour);
}

// The checkable items have turned their check over by the time their command runs.
void TfrmMain::mView_StayOnTopClick() {
    setStayOnTop(mView_StayOnTop->isChecked());
}

void TfrmMain::mView_cbFileClick() {
    ToolBar1->setVisible(mView_cbFile->isChecked());
}

void TfrmMain::mView_cbNevnapClick() {
    tbNevnap->setVisible(mView_cbNevnap->isChecked());
}

void TfrmMain::mView_AlignVClick() {
    setVerticalLayout(true);
    setListColumns(clbIdopont, 1);
}

void TfrmMain::mView_AlignHClick() {
    setVerticalLayout(false);
    setListColumns(clbIdopont, 5);
}

void TfrmMain::FormResize() {
    const int outerWidth = frameGeometry().width();
    ControlBar1->setBandWidth(tbMenu, outerWidth);
    ControlBar1->setBandWidth(tbNevnap, outerWidth);
    tZimpa->setColumnWidth(1, tZimpa->width() - tZimpa->columnWidth(0) - 20);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    runGuarded([this] { FormResize(); });
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window's first size reaches the controls inside only as they are shown, after the
    // window's own resize: the grid's width is known from here on.
    runGuarded([this] { FormResize(); });
}
