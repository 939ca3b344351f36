#include "MainFormSettings.h"

#include "ColourNames.h"
#include "IniFile.h"
#include "MainForm.h"
#include "MainSettings.h"

#include <QAction>
#include <QListWidget>

namespace {

const QString General = QStringLiteral("General");
const QString Section = QStringLiteral("MainForm");

void setReminderListColumns(TfrmMain& window, int columns) {
    for (QListWidget* list : {window.clbIdopont, window.clbFeladat, window.clbFeljegyzes})
        TfrmMain::setListColumns(list, columns);
}

} // namespace

void MainFormSettings::load(TfrmMain& window, const QString& path) {
    const IniFile ini(path);
    HomePage = ini.ReadString(General, QStringLiteral("HomePage"), DefaultHomePage);
    UpdateServer = ini.ReadString(General, QStringLiteral("UpdateServer"), DefaultHomePage);

    QFont font = window.font();
    font.setFamily(ini.ReadString(Section, QStringLiteral("FontName"), QStringLiteral("Arial")));
    // The size is kept in one byte: only its low eight bits count.
    const int size = ini.ReadInteger(Section, QStringLiteral("FontSize"), 8) & 0xFF;
    if (size > 0)
        font.setPointSize(size);
    window.setFont(font);
    window.setFontColour(
        ini.ReadColour(Section, QStringLiteral("FontColor"), ColourNames::clBlack));

    const int top = ini.ReadInteger(Section, QStringLiteral("Top"), 50);
    const int left = ini.ReadInteger(Section, QStringLiteral("Left"), 50);
    const int width = ini.ReadInteger(Section, QStringLiteral("Width"), 544);
    const int height = ini.ReadInteger(Section, QStringLiteral("Height"), 478);
    window.move(left, top);
    window.resize(width, height);

    MainSettings.EnablePast = ini.ReadBool(Section, QStringLiteral("EnablePast"), false);
    window.mSettings_EnablePast->setChecked(!MainSettings.EnablePast);

    const bool vertical = ini.ReadBool(Section, QStringLiteral("Align"), false);
    window.setVerticalLayout(vertical);
    setReminderListColumns(window, vertical ? 1 : 2);
    window.setPageControlExtent(ini.ReadInteger(Section, QStringLiteral("Splitter"), 225));

    window.setBandPosition(window.ToolBar1,
                           ini.ReadInteger(Section, QStringLiteral("tbFilePos"), 11));
    window.setBandPosition(window.tbNevnap,
                           ini.ReadInteger(Section, QStringLiteral("tbNevnapPos"), 326));

    window.mSettings_Editor->setChecked(ini.ReadBool(Section, QStringLiteral("ListEditor"), true));
    window.mView_cbFile->setChecked(ini.ReadBool(Section, QStringLiteral("tbFile"), true));
    window.mView_cbNevnap->setChecked(ini.ReadBool(Section, QStringLiteral("tbNevnap"), true));

    // A stored page outside the five leaves the first page active rather than showing none.
    const int page = ini.ReadInteger(Section, QStringLiteral("PageIndex"), 0);
    if (page >= 0 && page < window.PageControl->count())
        window.setActivePageSilently(page);

    window.showBandsFromChecks();
    window.setStayOnTop(ini.ReadBool(Section, QStringLiteral("StayOnTop"), false));
}

void MainFormSettings::save(const TfrmMain& window, const QString& path) {
    IniFile ini(path);
    ini.BeginBatch();
    ini.WriteString(Section, QStringLiteral("FontName"), window.font().family());
    ini.WriteInteger(Section, QStringLiteral("FontSize"), window.font().pointSize());
    ini.WriteColour(Section, QStringLiteral("FontColor"), window.fontColour());

    ini.WriteInteger(Section, QStringLiteral("Top"), window.y());
    ini.WriteInteger(Section, QStringLiteral("Left"), window.x());
    ini.WriteInteger(Section, QStringLiteral("Width"), window.width());
    ini.WriteInteger(Section, QStringLiteral("Height"), window.height());

    ini.WriteBool(Section, QStringLiteral("EnablePast"), MainSettings.EnablePast);
    ini.WriteBool(Section, QStringLiteral("StayOnTop"), window.stayOnTop());

    ini.WriteBool(Section, QStringLiteral("Align"), window.isVerticalLayout());
    ini.WriteInteger(Section, QStringLiteral("Splitter"), window.pageControlExtent());

    ini.WriteInteger(Section, QStringLiteral("tbFilePos"), window.bandPosition(window.ToolBar1));
    ini.WriteInteger(Section, QStringLiteral("tbNevnapPos"), window.bandPosition(window.tbNevnap));

    ini.WriteBool(Section, QStringLiteral("ListEditor"), window.mSettings_Editor->isChecked());
    ini.WriteBool(Section, QStringLiteral("tbFile"), window.mView_cbFile->isChecked());
    ini.WriteBool(Section, QStringLiteral("tbNevnap"), window.mView_cbNevnap->isChecked());

    ini.WriteInteger(Section, QStringLiteral("PageIndex"), window.PageControl->currentIndex());
    ini.CommitBatch();
}
