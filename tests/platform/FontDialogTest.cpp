#include "FontDialog.h"
#include "ColourNames.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
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

// Enter confirms the dialog from every field, as OK does: a size typed into the size box, then
// Enter, is the size chosen.
TEST(FontDialogTest, EnterInAFieldConfirmsTheDialog) {
    const FontDialog::Choice initial{QFont(QStringLiteral("DejaVu Sans"), 8), ColourNames::clNavy};
    const Answered typed = answer(initial, [](QDialog& dialog) {
        QLineEdit* size = nullptr;
        for (QLineEdit* field : dialog.findChild<QFontDialog*>()->findChildren<QLineEdit*>()) {
            if (field->text() == QLatin1String("8"))
                size = field;
        }
        ASSERT_NE(size, nullptr);
        size->setFocus();
        QTest::keyClicks(size, QStringLiteral("\b14"));
        QTest::keyClick(size, Qt::Key_Return);
    });
    EXPECT_FALSE(typed.leftOpen);
    ASSERT_TRUE(typed.choice.has_value());
    EXPECT_EQ(typed.choice->font.pointSize(), 14);

    const Answered fromTheList = answer(initial, [](QDialog& dialog) {
        QTest::keyClick(dialog.findChild<QFontDialog*>()->findChild<QListView*>(), Qt::Key_Enter,
                        Qt::KeypadModifier);
    });
    EXPECT_FALSE(fromTheList.leftOpen);
    EXPECT_TRUE(fromTheList.choice.has_value());
}

} // namespace
