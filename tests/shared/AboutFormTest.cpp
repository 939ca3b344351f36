#include "AboutForm.h"
#include "ColourNames.h"
#include "Shell.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The about window over a main window whose font and colour differ from the design's.
class AboutFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
        ColourNames::applyTextColour(&main, ColourNames::clRed);
        about = std::make_unique<TfrmAbout>(&main);
        Shell::setOpenerForTesting([this](const QString& text) { opened.append(text); });
    }

    void TearDown() override { Shell::setOpenerForTesting({}); }

    // The mouse moved to a point of a widget, as the window system delivers it: to the widget
    // under the mouse first, on to the widgets under it while none takes it.
    static void moveOver(QWidget* widget, QPoint at = QPoint(1, 1)) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    bool webUnderlined() const { return about->lbWeb_Url->font().underline(); }
    bool mailUnderlined() const { return about->lbMail_Url->font().underline(); }

    QMainWindow main;
    std::unique_ptr<TfrmAbout> about;
    QStringList opened;
};

// A point of the widget's own surface that no control covers.
QPoint freePoint(QWidget* widget) {
    for (int y = widget->height() - 2; y > 0; --y) {
        for (int x = 1; x < widget->width(); x += 4) {
            if (!widget->childAt(x, y))
                return {x, y};
        }
    }
    return {};
}

} // namespace

TEST_F(AboutFormTest, LinksUnderlineUnderTheMouseUntilItReachesAFreeSurfaceAndOpenOnAClick) {
    about->show();
    moveOver(about->lbWeb_Url);
    EXPECT_TRUE(webUnderlined());
    EXPECT_FALSE(mailUnderlined());
    // Another label of the page leaves it as it is, though the move reaches the page under it.
    moveOver(about->lbWWW);
    moveOver(about->lbBT);
    EXPECT_TRUE(webUnderlined());
    moveOver(about->tsAbout, freePoint(about->tsAbout));
    EXPECT_FALSE(webUnderlined());

    moveOver(about->lbMail_Url);
    moveOver(about->lbWeb_Url);
    EXPECT_TRUE(webUnderlined() && mailUnderlined());
    moveOver(about->pcAbout);
    EXPECT_TRUE(webUnderlined() && mailUnderlined());
    moveOver(about.get(), freePoint(about.get()));
    EXPECT_FALSE(webUnderlined() || mailUnderlined());

    // A click opens what the link shows.
    for (QWidget* clicked :
         std::initializer_list<QWidget*>{about->lbWeb_Url, about->lbMail_Url, about->lbAuthor})
        QTest::mouseClick(clicked, Qt::LeftButton);
    EXPECT_EQ(opened, (QStringList{QStringLiteral("http://www.zimpa.hu"),
                                   QStringLiteral("mailto:info@zimpa.hu")}));
}

TEST_F(AboutFormTest, TheWindowFollowsTheMainWindowsFontWhereItHasNoneOfItsOwn) {
    for (QWidget* follows :
         std::initializer_list<QWidget*>{about.get(), about->lbAuthor, about->mbBT, about->btnOk}) {
        EXPECT_EQ(follows->font().family(), QStringLiteral("DejaVu Serif"))
            << follows->objectName().toStdString();
        EXPECT_EQ(follows->font().pointSize(), 14);
    }
    EXPECT_EQ(about->lbAuthor->palette().color(QPalette::WindowText), QColor(Qt::red));
    // The logo and the links keep the look of their own.
    for (QWidget* own : std::initializer_list<QWidget*>{about->lbLogo, about->lbWeb_Url,
                                                        about->lbMail_Url, about->mbLicenc})
        EXPECT_NE(own->font().family(), QStringLiteral("DejaVu Serif"))
            << own->objectName().toStdString();
    EXPECT_EQ(about->lbWeb_Url->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(about->mbBT->palette().color(QPalette::Text), QColor(Qt::red));
    // A font of their own is their colour too: the logo and the licence write as designed.
    const QPalette desktop = QApplication::palette();
    EXPECT_EQ(about->lbLogo->palette().color(QPalette::WindowText),
              desktop.color(QPalette::WindowText));
    EXPECT_EQ(about->mbLicenc->palette().color(QPalette::Text), desktop.color(QPalette::Text));
    // The larger font still finds room: the window grows beyond its design, never clips.
    EXPECT_GE(about->width(), 473);
    EXPECT_GE(about->height(), about->sizeHint().height());
}

// "köszönet illeti a következőket: mindazokat, akik ...": the thanks go to them, in the accusative.
TEST_F(AboutFormTest, TheAcknowledgementsContinueTheirCaption) {
    EXPECT_TRUE(about->lbBT->text().endsWith(QStringLiteral("köszönet illeti a következőket: ")));
    EXPECT_TRUE(about->mbBT->toPlainText().startsWith(QStringLiteral("mindazokat, akik ")));
}
