#include "MenuImages.h"

#include <QString>

namespace {

QIcon picture(const char* name) {
    const QString base = QStringLiteral(":/icons/") + QLatin1String(name);
    QIcon icon;
    icon.addFile(base + QStringLiteral(".png"), QSize(16, 16));
    icon.addFile(base + QStringLiteral("@2x.png"), QSize(32, 32));
    return icon;
}

} // namespace

namespace MenuImages {

QIcon menuImage(int index) {
    switch (index) {
    case 0:
        return picture("new");
    case 2:
        return picture("save");
    case 3:
        return picture("print");
    case 5:
        return picture("about");
    case 6:
        return picture("exit");
    case 7:
        return picture("help");
    default:
        return {};
    }
}

QIcon toolBarImage(int index) {
    switch (index) {
    case 0:
        return picture("new");
    case 1:
        return picture("save");
    case 2:
        return picture("print");
    default:
        return {};
    }
}

} // namespace MenuImages
