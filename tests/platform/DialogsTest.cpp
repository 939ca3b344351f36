#include "Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTextLayout>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The real box with that caption and text, looked at from inside its own event loop and closed.
void look(const QString& caption, const QString& text,
          const std::function<void(QDialog& box, QLabel& text)>& check) {
    bool looked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        // The text's label is the last one, after the icon's.
        check(*box, *box->findChildren<QLabel*>().last());
        looked = true;
        box->reject();
    });
    Dialogs::message(caption, text);
    EXPECT_TRUE(looked);
}

TEST(DialogsTest, ABoxIsAtLeastAsWideAsItsCaption) {
    const QString caption =
        QStringLiteral("Zimpa V2.00 - Biztonsági mentés fejléce, hosszú címmel");
    look(caption, QStringLiteral("Rövid."), [&](QDialog& box, QLabel&) {
        EXPECT_GT(box.width(), box.fontMetrics().horizontalAdvance(caption));
    });
}

// A number of three hundred digits has no blank to break at: it is broken where the line ends,
// as a label lays out wrapped text, and no part of it is cut off at the box's edge.
TEST(DialogsTest, ARunTooLongForALineWrapsWhereItMust) {
    const QString text = QLatin1Char('\'') + QString(300, QLatin1Char('7')) +
                         QStringLiteral("' is not a valid integer value.");
    look(QStringLiteral("Zimpa V2.00"), text, [](QDialog& box, QLabel& shown) {
        EXPECT_LE(shown.geometry().right(), box.rect().right());
        QTextLayout layout(shown.text(), shown.font());
        QTextOption wrapped;
        wrapped.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(wrapped);
        layout.beginLayout();
        int lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(shown.contentsRect().width());
            EXPECT_LE(line.naturalTextWidth(), shown.contentsRect().width());
            ++lines;
        }
        layout.endLayout();
        EXPECT_GT(lines, 1);
        EXPECT_EQ(shown.height(), shown.heightForWidth(shown.width())) << "every line shows";
    });
}

} // namespace
