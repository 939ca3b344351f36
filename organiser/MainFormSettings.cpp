#include "MainFormSettings.h"

#include "IniFile.h"
#include "MainForm.h"
#include "MainFormKeys.h"
#include "MainSettings.h"

#include <QAction>
#include <QListWidget>

namespace {

void setReminderListColumns(TfrmMain& window, int columns) {
    for (QListWidget* list : {window.clbIdopont, window.clbFeladat, window.clbFeljegyzes})
        TfrmMain::setListColumns(list, columns);
}

// The main window's keys in the order of the file. The menu checks are set as their keys are
// read; the tool bars and the window's style follow them once all are read (see load).
template <typename Visit> void eachKey(Visit&& visit) {
    const MainFormKeys& keys = MainKeys;
    visit(
        keys.HomePage, [](TfrmMain&, const QString& address) { HomePage = address; }, nullptr);
    visit(
        keys.UpdateServer, [](TfrmMain&, const QString& address) { UpdateServer = address; },
        nullptr);

    visit(
        keys.FontName,
        [](TfrmMain& window, const QString& name) {
            QFont font = window.font();
            font.setFamily(name);
            window.setFont(font);
        },
        [](const TfrmMain& window) { return window.font().family(); });
    visit(
        keys.FontSize,
        [](TfrmMain& window, int stored) {
            // The size is kept in one byte: only its low eight bits count.
            const int size = stored & 0xFF;
            if (size <= 0)
                return;
            QFont font = window.font();
            font.setPointSize(size);
            window.setFont(font);
        },
        [](const TfrmMain& window) { return window.font().pointSize(); });
    visit(
        keys.FontColor, [](TfrmMain& window, quint32 colour) { window.setFontColour(colour); },
        [](const TfrmMain& window) { return window.fontColour(); });

    keys.visitPlaceAndSize(visit);

    visit(
        keys.EnablePast,
        [](TfrmMain& window, bool enabled) {
            MainSettings.EnablePast = enabled;
            window.mSettings_EnablePast->setChecked(!enabled);
        },
        [](const TfrmMain&) { return MainSettings.EnablePast; });
    visit(
        keys.StayOnTop, [](TfrmMain& window, bool on) { window.mView_StayOnTop->setChecked(on); },
        [](const TfrmMain& window) { return window.stayOnTop(); });

    visit(
        keys.Align,
        [](TfrmMain& window, bool vertical) {
            window.setVerticalLayout(vertical);
            setReminderListColumns(window, vertical ? 1 : 2);
        },
        [](const TfrmMain& window) { return window.isVerticalLayout(); });
    visit(
        keys.Splitter, [](TfrmMain& window, int extent) { window.setPageControlExtent(extent); },
        [](const TfrmMain& window) { return window.pageControlExtent(); });

    visit(
        keys.tbFilePos,
        [](TfrmMain& window, int left) { window.setBandPosition(window.ToolBar1, left); },
        [](const TfrmMain& window) { return window.bandPosition(window.ToolBar1); });
    visit(
        keys.tbNevnapPos,
        [](TfrmMain& window, int left) { window.setBandPosition(window.tbNevnap, left); },
        [](const TfrmMain& window) { return window.bandPosition(window.tbNevnap); });

    visit(
        keys.ListEditor, [](TfrmMain& window, bool on) { window.mSettings_Editor->setChecked(on); },
        [](const TfrmMain& window) { return window.mSettings_Editor->isChecked(); });
    visit(
        keys.tbFile, [](TfrmMain& window, bool on) { window.mView_cbFile->setChecked(on); },
        [](const TfrmMain& window) { return window.mView_cbFile->isChecked(); });
    visit(
        keys.tbNevnap, [](TfrmMain& window, bool on) { window.mView_cbNevnap->setChecked(on); },
        [](const TfrmMain& window) { return window.mView_cbNevnap->isChecked(); });

    visit(
        keys.PageIndex,
        [](TfrmMain& window, int page) {
            // A stored page outside the five leaves the first page active rather than showing
            // none.
            if (page >= 0 && page < window.PageControl->count())
                window.setActivePageSilently(page);
        },
        [](const TfrmMain& window) { return window.PageControl->currentIndex(); });
}

} // namespace

void MainFormSettings::load(TfrmMain& window, const QString& path) {
    SettingsTable::load([](auto&& visit) { eachKey(visit); }, IniFile(path), window);
    window.showBandsFromChecks();
    window.setStayOnTop(window.mView_StayOnTop->isChecked());
}

void MainFormSettings::save(const TfrmMain& window, const QString& path) {
    IniFile ini(path);
    SettingsTable::save([](auto&& visit) { eachKey(visit); }, ini, window);
}
