#include "FontDialog.h"
#include "ColourNames.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

// The real dialog, answered from inside its own event loop by what the user does to it; a dialog
// that the user's step left open is cancelled, so the test never blocks, and told.
struct Answered {
    std::optional<FontDialog::Choice> choice;
    bool leftOpen = false;
};

Answered answer(const FontDialog::Choice& initial, const std::function<void(QDialog&)>& step) {
    Answered result;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        step(*dialog);
        result.leftOpen = dialog->isVisible();
        if (result.leftOpen)
            dialog->reject();
    });
    result.choice = FontDialog::choose(initial, nullptr);
    return result;
}

const FontDialog::Choice Missing{QFont(QStringLiteral("Zimpa Nincs Ilyen Betu"), 8),
                                 ColourNames::clNavy};

TEST(FontDialogTest, OkWithoutAChangeKeepsTheStoredNameOfAFontThatIsNotInstalled) {
    const Answered answered = answer(Missing, [](QDialog& dialog) {
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_TRUE(answered.choice.has_value());
    EXPECT_EQ(answered.choice->font.family().toStdString(), "Zimpa Nincs Ilyen Betu");
    EXPECT_EQ(answered.choice->font.pointSize(), 8);
    EXPECT_EQ(answered.choice->colour, ColourNames::clNavy);
}

TEST(FontDialogTest, OneEscapeInTheFontListsCancelsTheWholeDialog) {
    const Answered answered = answer(Missing, [](QDialog& dialog) {
        // In the family's text field, where the dialog puts the keyboard first.
        QTest::keyClick(dialog.findChild<QFontDialog*>()->findChild<QLineEdit*>(), Qt::Key_Escape);
    });
    EXPECT_FALSE(answered.leftOpen);
    EXPECT_FALSE(answered.choice.has_value());
}

} // namespace
