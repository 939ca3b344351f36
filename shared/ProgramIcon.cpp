#include "ProgramIcon.h"

#include "ProgramIconArt.h"

namespace ProgramIcon {

QIcon icon() {
    QIcon icon;
    for (const int size : ProgramIconArt::Sizes)
        icon.addFile(QStringLiteral(":/program/%1x%1/apps/zimpa.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace ProgramIcon
