#include "ProgramPath.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramPath {

QString file() {
    return QCoreApplication::applicationFilePath();
}

QString folder() {
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace ProgramPath
