#include "ToolkitTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool ToolkitTranslation::install(QCoreApplication& application) {
    auto* translation = new QTranslator(&application);
    if (!translation->load(QStringLiteral("qtbase_hu"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translation;
        return false;
    }
    return QCoreApplication::installTranslator(translation);
}
