#include "DesktopIdentity.h"

#include "ProgramIcon.h"

#include <QGuiApplication>
#include <QString>

namespace DesktopIdentity {

void apply() {
    // The file name of the entry, "Zimpa.desktop", without its extension.
    const QString entry = QStringLiteral("Zimpa");
    QGuiApplication::setApplicationName(entry);
    QGuiApplication::setDesktopFileName(entry);
    QGuiApplication::setWindowIcon(ProgramIcon::icon());
}

} // namespace DesktopIdentity
