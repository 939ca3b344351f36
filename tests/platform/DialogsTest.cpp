#include "Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTextLayout>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The real box, looked at from inside its own event loop and then closed, so that the test never
// blocks on it.
void look(const QString& caption, const QString& text,
          const std::function<void(QDialog& box, QLabel& text)>& check) {
    bool looked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QLabel* shown = nullptr;
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                shown = label;
        }
        ASSERT_NE(shown, nullptr);
        check(*box, *shown);
        looked = true;
        box->reject();
    });
    Dialogs::message(caption, text);
    EXPECT_TRUE(looked);
}

// The lines the label breaks its text into, at its width, as a label lays out wrapped text.
QList<int> lineWidths(const QLabel& label) {
    QTextLayout layout(label.text(), label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QList<int> widths;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.contentsRect().width());
        widths << qCeil(line.naturalTextWidth());
    }
    layout.endLayout();
    return widths;
}

TEST(DialogsTest, ABoxIsAtLeastAsWideAsItsCaption) {
    const QString caption =
        QStringLiteral("Zimpa V2.00 - Biztonsági mentés fejléce, hosszú címmel");
    look(caption, QStringLiteral("Rövid."), [&](QDialog& box, QLabel&) {
        EXPECT_GT(box.width(), box.fontMetrics().horizontalAdvance(caption));
    });
}

// A long folder name or a number of three hundred digits has no blank to break at: it is broken
// where the line ends, and no part of it is cut off at the box's edge.
TEST(DialogsTest, ARunTooLongForALineWrapsWhereItMust) {
    const QString digits = QString(300, QLatin1Char('7'));
    const QString folder =
        QStringLiteral("/home/felhasznalo/") + QString(40, QLatin1Char('x')) + QStringLiteral("/");
    const QString text = QStringLiteral("'") + digits +
                         QStringLiteral("' is not a valid integer "
                                        "value\nHiba: a(z) ") +
                         folder.repeated(6) + QStringLiteral("Zimpa.ini fájl nem írható!");
    look(QStringLiteral("Zimpa V2.00"), text, [](QDialog& box, QLabel& shown) {
        EXPECT_LE(shown.geometry().right(), box.rect().right());
        const QList<int> widths = lineWidths(shown);
        EXPECT_GT(widths.size(), 4);
        for (const int width : widths)
            EXPECT_LE(width, shown.contentsRect().width());
        EXPECT_EQ(shown.height(), shown.heightForWidth(shown.width())) << "every line shows";
    });
}

} // namespace
