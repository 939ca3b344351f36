// The settings dialog, the help and the about window, and the ways out to the web.
#include "MainForm.h"

#include "AboutForm.h"
#include "Dialogs.h"
#include "HelpWindow.h"
#include "MainSettings.h"
#include "ProgramInfo.h"
#include "SettingsForm.h"
#include "Shell.h"

#include <QAction>
#include <QFileInfo>

#include <memory>

namespace {

// A file, not a folder or anything else that might stand in its place.
bool helpFileThere(const QString& appDir) {
    return QFileInfo(appDir + HelpWindow::fileName()).isFile();
}

} // namespace

void TfrmMain::mSettings_GeneralClick() {
    // Made afresh for each opening and gone when it closes, however it ends.
    const auto frmSettings = std::make_unique<TfrmSettings>(*this);
    // Modal to this window only, so that an alert can still pop up beside it.
    frmSettings->setWindowModality(Qt::WindowModal);
    Dialogs::runModal(*frmSettings);
}

void TfrmMain::HelpMenuClick() {
    mHelp_Index->setEnabled(helpFileThere(m_appDir));
}

void TfrmMain::mHelp_IndexClick() {
    if (helpFileThere(m_appDir)) {
        HelpWindow::showContents(m_appDir + HelpWindow::fileName(), this);
        return;
    }
    Dialogs::message(QStringLiteral("Information"),
                     QStringLiteral("Hiba:\r\nA ") + HelpWindow::fileName() +
                         QStringLiteral(" fájl nem található!"),
                     this);
}

void TfrmMain::mHelp_InternetClick() {
    Shell::open(HomePage);
}

void TfrmMain::mHelp_UpdateClick() {
    Shell::open(ProgramInfo::updatePage(UpdateServer));
}

void TfrmMain::mHelp_AboutClick() {
    TfrmAbout frmAbout(this);
    Dialogs::runModal(frmAbout);
}
