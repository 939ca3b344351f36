// Showing the selected reminder on the desktop, in a viewer of its own.
#include "MainForm.h"

#include "AsciiCase.h"
#include "ContentFile.h"
#include "Dialogs.h"
#include "ReminderId.h"
#include "Shell.h"
#include "StartFailure.h"

#include <QListWidget>

void TfrmMain::mEdit_SubMenu1_ViewClick() {
    const int page = PageControl->currentIndex();
    if (page < 0 || page > static_cast<int>(Kind::Feljegyzes))
        return;
    const Kind kind = Kind(page);
    const int selected = GetSelected(checkList(kind));
    if (selected < 0)
        return;
    const QString content =
        ContentFile::folder(kind) + ReminderId::text(m_tables.reminders(kind)[selected].ID());
    const QString program = m_appDir + QStringLiteral("Viewer");
    // The viewer resolves the content path, its register and the list files against its
    // working folder: the program folder, wherever the organiser itself was started.
    const Shell::StartResult result =
        Shell::startProgram(program, {QStringLiteral("-D"), content}, m_appDir);
    const QString message =
        StartFailure::message(result, asciiUpper(m_appDir) + QStringLiteral("VIEWER"));
    if (!message.isEmpty())
        Dialogs::error(message, this);
}
