#include "StartFailure.h"

QString StartFailure::message(Shell::StartResult result, const QString& shownProgram) {
    QString rest;
    switch (result) {
    case Shell::StartResult::OutOfResources:
    case Shell::StartResult::OutOfMemory:
        rest = QStringLiteral("Nincs elég szabad memória az erőforrások betöltéséhez!");
        break;
    case Shell::StartResult::FileNotFound:
        rest = QStringLiteral("Nem található a(z) ") + shownProgram + QStringLiteral(" program!");
        break;
    case Shell::StartResult::PathNotFound:
        rest =
            QStringLiteral("Nem található a(z) ") + shownProgram + QStringLiteral(" elérési út!");
        break;
    case Shell::StartResult::AccessDenied:
        rest = QStringLiteral("A(z) ") + shownProgram +
               QStringLiteral(" fájlhoz a hozzáférés megtagadva!");
        break;
    case Shell::StartResult::BadFormat:
        rest = QStringLiteral("Hibás a(z) ") + shownProgram + QStringLiteral(" fájl!");
        break;
    case Shell::StartResult::Started:
    case Shell::StartResult::SessionEnded: // nobody is left to read it
        return {};
    }
    return QStringLiteral("Hiba:\n\r") + rest;
}
