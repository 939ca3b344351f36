#include "ToolkitTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

TEST(ToolkitTranslationTest, QtsOwnWordsAreHungarian) {
    QCoreApplication& application = *QCoreApplication::instance();
    ASSERT_TRUE(ToolkitTranslation::install(application))
        << "Debian's qt6-translations-l10n is not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Mégse");
    EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "&Copy").toStdString(), "&Másolás");
    // The other tests of this program read Qt's words untranslated.
    for (QTranslator* translation : application.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translation);
        delete translation;
    }
}
