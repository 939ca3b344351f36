// Showing the selected reminder on the desktop, in a viewer of its own.
#include "MainForm.h"

#include "AsciiCase.h"
#include "ContentFile.h"
#include "Dialogs.h"
#include "ReminderId.h"
#include "Shell.h"

#include <QListWidget>
#include <QTabWidget>

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
    const QString shown = asciiUpper(m_appDir) + QStringLiteral("VIEWER");
    QString rest;
    switch (result) {
    case Shell::StartResult::OutOfResources:
    case Shell::StartResult::OutOfMemory:
        rest = QStringLiteral("Nincs elég szabad memória az erőforrások betöltéséhez!");
        break;
    case Shell::StartResult::FileNotFound:
        rest = QStringLiteral("Nem található a(z) ") + shown + QStringLiteral(" program!");
        break;
    case Shell::StartResult::PathNotFound:
        rest = QStringLiteral("Nem található a(z) ") + shown + QStringLiteral(" elérési út!");
        break;
    case Shell::StartResult::AccessDenied:
        rest =
            QStringLiteral("A(z) ") + shown + QStringLiteral(" fájlhoz a hozzáférés megtagadva!");
        break;
    case Shell::StartResult::BadFormat:
        rest = QStringLiteral("Hibás a(z) ") + shown + QStringLiteral(" fájl!");
        break;
    case Shell::StartResult::Started:
        return;
    }
    Dialogs::error(QStringLiteral("Hiba:\n\r") + rest, this);
}
